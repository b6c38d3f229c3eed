// Reading window state from the test program.
#include "tests/e2e/harness/WindowQueries.h"

namespace qiv::e2e {

std::string WindowText(HWND window) {
  char text[1024] = {};
  // WM_GETTEXT through a bounded send, so a hung window of a test does not hang the suite.
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                             &length)) {
    return {};
  }
  return std::string(text, length);
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  ::GetWindowRect(window, &rect);
  return rect;
}

POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) return -1;
  return static_cast<LRESULT>(result);
}

std::string ClassName(HWND window) {
  char name[256] = {};
  const int length = ::GetClassNameA(window, name, sizeof(name));
  return std::string(name, length > 0 ? length : 0);
}

DWORD WindowProcessId(HWND window) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  std::vector<HWND> windows;
  for (HWND window = ::GetTopWindow(nullptr); window != nullptr; window = ::GetWindow(window, GW_HWNDNEXT)) {
    if (WindowProcessId(window) == processId) windows.push_back(window);
  }
  return windows;
}

HWND FindVisibleTopLevel(DWORD processId, const char* className, const char* title) {
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (!::IsWindowVisible(window) || ClassName(window) != className) continue;
    if (title == nullptr || WindowText(window) == title) return window;
  }
  return nullptr;
}

std::string MessageBoxText(HWND box) {
  // The message text is the static control with id 0xFFFF (65535).
  HWND text = ::GetDlgItem(box, 0xFFFF);
  return text != nullptr ? WindowText(text) : std::string();
}

HWND FindMessageBox(DWORD processId, const std::string& caption, const std::string& textPart) {
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (!::IsWindowVisible(window) || ClassName(window) != "#32770" || WindowText(window) != caption) continue;
    if (MessageBoxText(window).find(textPart) != std::string::npos) return window;
  }
  return nullptr;
}

void PressDialogButton(HWND dialog, int buttonId) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, buttonId)));
}

int ZOrderIndex(HWND window) {
  int index = 0;
  for (HWND current = ::GetTopWindow(nullptr); current != nullptr; current = ::GetWindow(current, GW_HWNDNEXT)) {
    if (current == window) return index;
    ++index;
  }
  return -1;
}

COLORREF ScreenPixel(POINT point) {
  HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) return CLR_INVALID;
  const COLORREF pixel = ::GetPixel(screen, point.x, point.y);
  ::ReleaseDC(nullptr, screen);
  return pixel;
}

}  // namespace qiv::e2e
