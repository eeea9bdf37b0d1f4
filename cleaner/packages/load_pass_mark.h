#pragma once
// The process-wide mark of the last verified load password: the rule's name
// followed by "PASS", empty until a password is verified.
#include <string>

namespace zc {

std::string& LoadPassVerified();

} // namespace zc
