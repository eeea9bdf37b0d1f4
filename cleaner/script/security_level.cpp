#include "cleaner/script/security_level.h"

namespace zc {

int RequiredLevel(const std::string&) {
    return 0;
}

bool PassesSecurityGate(ScriptHost& host, const std::string& line) {
    return RequiredLevel(line) <= host.SecurityLevel();
}

} // namespace zc
