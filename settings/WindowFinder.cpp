// The window finder's drag.
#include "settings/WindowFinder.h"

#include "framework/Program.h"
#include "resources/resource.h"

namespace qiv {
namespace {

HWND TopWindowAt(POINT point) {
  HWND window = ::WindowFromPoint(point);
  if (window == nullptr) return nullptr;
  // The real parent: GetParent would answer the owner of a dialog and climb from the dialog to its program's
  // main window. Nothing climbs to the desktop window itself.
  const HWND desktop = ::GetDesktopWindow();
  for (;;) {
    const HWND parent = ::GetAncestor(window, GA_PARENT);
    if (parent == nullptr || parent == desktop || !::IsWindowVisible(parent)) break;
    window = parent;
  }
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId == ::GetCurrentProcessId()) return nullptr;
  return window;
}

}  // namespace

void WindowFinder::Attach(HWND page, HWND icon) {
  page_ = page;
  icon_ = icon;
}

bool WindowFinder::BeginDrag() {
  POINT cursor = {};
  RECT icon = {};
  if (!::GetCursorPos(&cursor) || !::GetWindowRect(icon_, &icon) || !::PtInRect(&icon, cursor)) return false;
  ::SetCapture(page_);
  return true;
}

bool WindowFinder::IsDragging() const { return page_ != nullptr && ::GetCapture() == page_; }

HWND WindowFinder::Track() const {
  // A shared resource cursor: not destroyed.
  ::SetCursor(::LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(IDCUR_CROSSHAIR)));
  POINT cursor = {};
  if (!::GetCursorPos(&cursor)) return nullptr;
  return TopWindowAt(cursor);
}

void WindowFinder::EndDrag() const {
  if (IsDragging()) ::ReleaseCapture();
}

}  // namespace qiv
