// Where windows are and what the desktop leaves them: the questions every window of the program asks.
#pragma once

#include <windows.h>

#include <vector>

namespace qiv {

// The primary monitor's work area: the desktop without the taskbar.
RECT WorkArea();
// Every monitor's work area, the primary's among them.
std::vector<RECT> MonitorWorkAreas();
// The rectangle that holds every monitor.
RECT VirtualScreen();
// Screen coordinates; empty for a window that does not exist.
RECT WindowRect(HWND window);
// The window's rectangle in the client coordinates of reference (a parent, or any other window).
RECT WindowRectIn(HWND window, HWND reference);
// Client coordinates: left and top are 0.
RECT ClientRect(HWND window);
// A tool window without a taskbar button (the app-window style would give it one all the same).
void MakeToolWindow(HWND window);

}  // namespace qiv
