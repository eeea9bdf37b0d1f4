#pragma once
// Pictures of the windows at the key steps of a scenario, taken from the X
// display when the environment variable ZC_E2E_SCREENSHOTS names a folder
// (a Linux path); without it no pictures are taken.
#include <windows.h>

#include <string>

namespace zc::e2e {

// The scenario whose name begins the file names of the following pictures.
void SetScreenshotScenario(const std::string& scenario);

// Saves the window's area of the screen as <scenario>-<number>-<label>.png.
void Screenshot(HWND window, const std::string& label);

} // namespace zc::e2e
