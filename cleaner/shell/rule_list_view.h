#pragma once
// The rule list control: a list view with a check box per item.
#include "cleaner/store/rule_list.h"

#include <windows.h>

namespace zc {

class RuleListView : public CheckList {
  public:
    // Turns the list view into a one-column check list.
    void Attach(HWND listView);
    HWND Handle() const { return list_; }

    void Clear() override;
    void Append(const std::string& caption) override;
    int Count() const override;
    bool IsChecked(int position) const override;
    void SetChecked(int position, bool checked) override;

    // True when the list-view notification reports a check mark changed by
    // the user (changes made by the program are not reported).
    bool IsUserCheckChange(const NMHDR* header) const;

  private:
    HWND list_ = nullptr;
    bool changingFromProgram_ = false;
};

} // namespace zc
