// Reading window state from the test program: top-level windows of a process, message
// boxes by caption and text, and the answers a user would give them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qiv::e2e {

std::string WindowText(HWND window);
// Screen coordinates; empty for a window that is gone.
RECT WindowRect(HWND window);
POINT Centre(const RECT& rect);
// The colour the screen shows at point.
COLORREF ScreenPixel(POINT point);
// SendMessage bounded to 2 s, for windows of Qiv.exe; -1 when it timed out or the window is gone.
LRESULT SendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::string ClassName(HWND window);
DWORD WindowProcessId(HWND window);

// Top-level windows of a process, from the top of the z-order down.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// The first visible top-level window of processId with that class name (any title when
// title is null); null if none.
HWND FindVisibleTopLevel(DWORD processId, const char* className, const char* title = nullptr);

// A visible message box of processId whose caption is caption and whose text contains
// textPart; null if none.
HWND FindMessageBox(DWORD processId, const std::string& caption, const std::string& textPart);
// The text of a message box (its static control).
std::string MessageBoxText(HWND box);
// Presses a button of a message box or dialog (IDOK, IDYES, IDNO...).
void PressDialogButton(HWND dialog, int buttonId);

// Position of window among the top-level windows (0 = top); -1 if it is not one.
int ZOrderIndex(HWND window);

}  // namespace qiv::e2e
