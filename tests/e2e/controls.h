#pragma once
// Operations on the controls of another process's window, done the way a
// person's mouse and keyboard would reach them.
#include <windows.h>

#include <string>

namespace zc::e2e {

// Waits until the window of a program that is still starting answers messages.
bool WaitUntilAnswering(HWND window);

// Sets the text of an edit box as pasting would.
void SetText(HWND box, const std::string& text);

// Types the characters one by one into a box (its key filter sees each one).
void TypeChars(HWND box, const std::string& characters);

// Presses a push button.
void PressButton(HWND button);

// A left click at a point of the control's client area.
void ClickAt(HWND control, POINT point);

// Clicks the tab of the tab control at the position and waits until it is the current one.
void ClickTab(HWND tabs, int index);
int TabCount(HWND tabs);
std::string TabText(HWND tabs, int index);

int ListItemCount(HWND list);
std::string ListItemText(HWND list, int index);
bool IsListItemChecked(HWND list, int index);
// Clicks the check box of the item and waits until its mark has changed.
void ClickListCheckBox(HWND list, int index);

} // namespace zc::e2e
