#pragma once
// ZC-RulesMaker copied into a fresh program folder, started there, and a rule
// written into its boxes and exported.
#include "tests/support/window_driver.h"

#include <memory>
#include <string>

namespace zc::e2e {

struct RuleDraft {
    std::string name;
    std::string author;
    std::string version; // typed key by key into the number box
    std::string programName;
    std::string encryptionId;
    std::string script;
};

// Starts the maker in the folder, fills in the rule, presses "导出", checks its
// message and closes the maker. Returns the path of the package it wrote.
std::string ExportRule(const std::string& makerFolder, const RuleDraft& rule);

} // namespace zc::e2e
