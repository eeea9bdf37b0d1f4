#include "cleaner/script/security_level.h"

#include "cleaner/store/store_paths.h"
#include "common/profile_number.h"
#include "platform/profile.h"

namespace zc {

int SecurityLevel(const CleanerCore& core) {
    return ParseProfileNumber(ReadIniValue(core.PathOf(paths::kSecurity), "Command", "Level", " 0"));
}

int RequiredLevel(const std::string&) {
    return 0;
}

bool PassesSecurityGate(const CleanerCore& core, const std::string& line) {
    return RequiredLevel(line) <= SecurityLevel(core);
}

} // namespace zc
