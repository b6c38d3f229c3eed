// The base of owner-drawn buttons: the button draws itself and may take its own clicks.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"
#include "framework/Window.h"

namespace qiv {

// WM_DRAWITEM and BN_CLICKED, which the system sends to the parent, reach the button's object through
// reflection before the parent's map.
class Button : public Window {
 public:
  Button() = default;

  // Takes over the dialog's button id and makes it owner-drawn (its push-button type becomes BS_OWNERDRAW).
  bool SubclassDlgItem(HWND dialog, int id);

 protected:
  // Paints the whole button into item.hDC within item.rcItem; focus and pressed state come from
  // item.itemState (ODS_FOCUS, ODS_SELECTED, ODS_DISABLED), not from itemAction.
  virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;
  // A click. true when the button took it; false lets the parent's map see BN_CLICKED. Default: false.
  virtual bool OnClicked();

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT HandleDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT HandleClicked(WPARAM wParam, LPARAM lParam);
};

}  // namespace qiv
