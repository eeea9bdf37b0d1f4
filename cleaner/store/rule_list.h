#pragma once
// The rule list of the page "应用程序": one checkable line per registered
// rule, rebuilt from the configuration files, its check marks being the rules'
// switches.
#include "cleaner/store/cleaner_core.h"
#include "cleaner/util/user_interface.h"

#include <string>

namespace zc {

// The check-list control as the list handlers see it.
class CheckList {
  public:
    virtual ~CheckList() = default;
    virtual void Clear() = 0;
    virtual void Append(const std::string& caption) = 0;
    virtual int Count() const = 0;
    virtual bool IsChecked(int position) const = 0;
    // Sets a mark from the program; raises no change notification.
    virtual void SetChecked(int position, bool checked) = 0;
};

// "[" + author + "][" + version + "]" + name + " 适用于：" + program name.
std::string RuleCaption(const std::string& author, const std::string& version, const std::string& name,
                        const std::string& programName);

// Rebuilds the list, writes the list positions to temp.zcd [RUNI] and
// restores the check marks from the switches in Sum.zcd.
void RefreshRuleList(const CleanerCore& core, UserInterface& ui, CheckList& list);

// Stores the check mark of every listed rule as its switch.
void StoreRuleSwitches(const CleanerCore& core, const CheckList& list);

} // namespace zc
