// Places a window in the middle of the desktop, wherever its owner is.
#include "controls/CentreOnDesktop.h"

namespace qiv {

void CentreOnDesktop(HWND window) {
  RECT desktop{};
  RECT rect{};
  if (!::GetWindowRect(::GetDesktopWindow(), &desktop) || !::GetWindowRect(window, &rect)) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int left = desktop.left + (desktop.right - desktop.left - width) / 2;
  const int top = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace qiv
