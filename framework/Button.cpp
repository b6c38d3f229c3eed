// The base of owner-drawn buttons: the button draws itself and may take its own clicks.
#include "framework/Button.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(Button, Window)
  QIV_ON_REFLECTED(WM_DRAWITEM, HandleDrawItem)
  QIV_ON_REFLECTED_COMMAND(BN_CLICKED, HandleClicked)
QIV_END_MESSAGE_MAP()

bool Button::SubclassDlgItem(HWND dialog, int id) {
  if (!Subclass(::GetDlgItem(dialog, id))) return false;
  const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
  ::SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  return true;
}

bool Button::OnClicked() { return false; }

LRESULT Button::HandleDrawItem(WPARAM, LPARAM lParam) {
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return TRUE;
}

LRESULT Button::HandleClicked(WPARAM, LPARAM) { return OnClicked() ? 0 : NotHandled(); }

}  // namespace qiv
