#pragma once
// The modal window "删除规则": a name box and the button "删除". It stays
// open after a deletion until the user closes it.
#include "cleaner/store/cleaner_core.h"
#include "cleaner/util/user_interface.h"

#include <windows.h>

namespace zc {

// Identifiers of the window's controls (the end-to-end driver uses them).
enum : int { kDeleteNameBox = 3001, kDeleteButton = 3002 };

inline constexpr const wchar_t* kDeleteRuleWindowClass = L"ZephonCleanerDeleteRule";

// Shows the window over owner and returns when it is closed.
void ShowDeleteRuleWindow(HWND owner, const CleanerCore& core, UserInterface& ui);

} // namespace zc
