#pragma once
// Removing a registered rule by its exact name.
#include "cleaner/store/cleaner_core.h"
#include "cleaner/util/user_interface.h"

#include <string>

namespace zc {

// Cancels the registration, lowers the counter of the rule's type, deletes
// the rule folder and cuts the rule's section out of Rules.zcd, then reports.
// A name that is not registered changes nothing and says "该规则不存在！".
void DeleteRule(const CleanerCore& core, UserInterface& ui, const std::string& name);

} // namespace zc
