#pragma once
// The registration lists Config.zcd and ConfigProgram.zcd: sealed texts with
// one line "&&" + name + "&&" per imported rule and "####" for a deleted one.
#include "cleaner/store/cleaner_core.h"

#include <string>
#include <vector>

namespace zc {

std::string RegistrationLine(const std::string& name);

// The text between the first "&&" of the line and the next "&&"; empty when
// the line holds fewer than two.
std::string NameOfRegistrationLine(const std::string& line);

// The names of the listed rules in registration order; empty lines and
// "####" lines are skipped.
std::vector<std::string> ListedRuleNames(const std::string& registrationText);

// Creates the list file when missing, then appends CR LF + "&&" + name + "&&".
void AppendRegistration(const CleanerCore& core, const std::string& relativePath, const std::string& name);

// Replaces every "&&" + name + "&&" of Config.zcd by "####"; false (and
// nothing written) when the name is not registered.
bool CancelRegistration(const CleanerCore& core, const std::string& name);

} // namespace zc
