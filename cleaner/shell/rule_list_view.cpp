#include "cleaner/shell/rule_list_view.h"

#include "platform/gbk.h"

#include <commctrl.h>

namespace zc {
namespace {

// While alive, list-view notifications come from the program, not the user.
class ProgramChange {
  public:
    explicit ProgramChange(bool& flag) : flag_(flag) { flag_ = true; }
    ~ProgramChange() { flag_ = false; }

  private:
    bool& flag_;
};

} // namespace

void RuleListView::Attach(HWND listView) {
    list_ = listView;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(list_, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - client.left;
    SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void RuleListView::Clear() {
    ProgramChange change(changingFromProgram_);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
}

void RuleListView::Append(const std::string& caption) {
    ProgramChange change(changingFromProgram_);
    std::wstring text = ToWide(caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = text.data();
    SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int RuleListView::Count() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

bool RuleListView::IsChecked(int position) const {
    const auto state =
        SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(position), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void RuleListView::SetChecked(int position, bool checked) {
    ProgramChange change(changingFromProgram_);
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item));
}

bool RuleListView::IsUserCheckChange(const NMHDR* header) const {
    if (changingFromProgram_ || header->hwndFrom != list_ || header->code != LVN_ITEMCHANGED) {
        return false;
    }
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    return (change->uChanged & LVIF_STATE) != 0 &&
           ((change->uOldState ^ change->uNewState) & LVIS_STATEIMAGEMASK) != 0;
}

} // namespace zc
