#pragma once
// One version number for both programs' version resources.
#define ZC_VERSION_MAJOR 0
#define ZC_VERSION_MINOR 1
#define ZC_VERSION_PATCH 0
#define ZC_VERSION_TEXT "0.1.0"
