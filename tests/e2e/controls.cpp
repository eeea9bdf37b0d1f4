#include "tests/e2e/controls.h"

#include "platform/gbk.h"
#include "tests/e2e/step.h"
#include "tests/support/window_driver.h"

#include <commctrl.h>

namespace zc::e2e {
namespace {

// Memory inside the process that owns a window, for the control messages
// whose arguments point to memory: the control reads and writes it there.
class RemoteBuffer {
  public:
    RemoteBuffer(HWND window, size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_ != nullptr) {
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        }
        Require(address_ != nullptr, "no memory could be reserved in the program's process");
    }
    ~RemoteBuffer() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* Address() const { return static_cast<char*>(address_); }
    LPARAM Argument() const { return reinterpret_cast<LPARAM>(address_); }
    void Write(const void* bytes, size_t size, size_t offset = 0) {
        Require(offset + size <= size_ &&
                    WriteProcessMemory(process_, Address() + offset, bytes, size, nullptr),
                "the program's memory could not be written");
    }
    void Read(void* bytes, size_t size, size_t offset = 0) const {
        Require(offset + size <= size_ &&
                    ReadProcessMemory(process_, Address() + offset, bytes, size, nullptr),
                "the program's memory could not be read");
    }

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};

POINT CentreOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

constexpr int kTextChars = 1024;

} // namespace

bool WaitUntilAnswering(HWND window) {
    return testing::WaitUntil(
        [window] {
            DWORD_PTR result = 0;
            return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
        },
        kPatienceMs);
}

void SetText(HWND box, const std::string& text) {
    const std::wstring wide = ToWide(text);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TypeChars(HWND box, const std::string& characters) {
    for (wchar_t character : ToWide(characters)) {
        SendMessageW(box, WM_CHAR, character, 1);
    }
}

void PressButton(HWND button) {
    Require(button != nullptr, "the button is missing");
    PostMessageW(button, BM_CLICK, 0, 0);
}

void ClickAt(HWND control, POINT point) {
    const LPARAM position = MAKELPARAM(point.x, point.y);
    PostMessageW(control, WM_MOUSEMOVE, 0, position);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, position);
    PostMessageW(control, WM_LBUTTONUP, 0, position);
}

int TabCount(HWND tabs) {
    return static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
}

std::string TabText(HWND tabs, int index) {
    RemoteBuffer buffer(tabs, sizeof(TCITEMW) + kTextChars * sizeof(wchar_t));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.Address() + sizeof(TCITEMW));
    item.cchTextMax = kTextChars;
    buffer.Write(&item, sizeof(item));
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), buffer.Argument());
    wchar_t text[kTextChars] = {};
    buffer.Read(text, sizeof(text) - sizeof(wchar_t), sizeof(TCITEMW));
    return ToGbk(text);
}

void ClickTab(HWND tabs, int index) {
    RemoteBuffer buffer(tabs, sizeof(RECT));
    Require(SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), buffer.Argument()) != 0,
            "the tab control has no tab " + std::to_string(index));
    RECT rect{};
    buffer.Read(&rect, sizeof(rect));
    ClickAt(tabs, CentreOf(rect));
    Require(testing::WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == index; }, kPatienceMs),
            "the click did not select tab " + std::to_string(index));
}

int ListItemCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListItemText(HWND list, int index) {
    RemoteBuffer buffer(list, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.Address() + sizeof(LVITEMW));
    item.cchTextMax = kTextChars;
    buffer.Write(&item, sizeof(item));
    const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), buffer.Argument());
    wchar_t text[kTextChars] = {};
    buffer.Read(text, sizeof(text) - sizeof(wchar_t), sizeof(LVITEMW));
    return ToGbk(std::wstring(text, static_cast<size_t>(length)));
}

bool IsListItemChecked(HWND list, int index) {
    const auto state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void ClickListCheckBox(HWND list, int index) {
    RemoteBuffer buffer(list, sizeof(RECT));
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    buffer.Write(&rect, sizeof(rect));
    Require(SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), buffer.Argument()) != 0,
            "the list has no item " + std::to_string(index));
    buffer.Read(&rect, sizeof(rect));
    const bool before = IsListItemChecked(list, index);
    // The check box is the state image at the left end of the item.
    const int boxWidth = GetSystemMetrics(SM_CXSMICON);
    ClickAt(list, POINT{rect.left + 2 + boxWidth / 2, (rect.top + rect.bottom) / 2});
    Require(testing::WaitUntil([&] { return IsListItemChecked(list, index) != before; }, kPatienceMs),
            "the click on the check box of item " + std::to_string(index) + " did not change its mark");
}

} // namespace zc::e2e
