// Where windows are and what the desktop leaves them.
#include "shell/WindowGeometry.h"

namespace qiv {

RECT WorkArea() {
  RECT area = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

namespace {

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (::GetMonitorInfoA(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(list)->push_back(info.rcWork);
  return TRUE;
}

}  // namespace

std::vector<RECT> MonitorWorkAreas() {
  std::vector<RECT> areas;
  ::EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
  if (areas.empty()) areas.push_back(WorkArea());
  return areas;
}

RECT VirtualScreen() {
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  ::GetWindowRect(window, &rect);
  return rect;
}

RECT WindowRectIn(HWND window, HWND reference) {
  RECT rect = WindowRect(window);
  ::MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect = {};
  ::GetClientRect(window, &rect);
  return rect;
}

void MakeToolWindow(HWND window) {
  const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
  ::SetWindowLongA(window, GWL_EXSTYLE, (exStyle | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW);
}

}  // namespace qiv
