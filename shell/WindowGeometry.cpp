// Where windows are and what the desktop leaves them.
#include "shell/WindowGeometry.h"

namespace qiv {

RECT WorkArea() {
  RECT area = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
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
