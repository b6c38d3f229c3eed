// Menus from resources, shown as pop-ups.
#include "framework/Menu.h"

#include "framework/Program.h"

namespace qiv {

Menu Menu::Load(UINT resourceId) {
  Menu menu;
  menu.owned_ = UniqueMenu(::LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(resourceId)));
  menu.menu_ = menu.owned_.Get();
  return menu;
}

Menu Menu::SubMenu(int position) const {
  Menu menu;
  if (menu_) menu.menu_ = ::GetSubMenu(menu_, position);
  return menu;
}

bool Menu::SetItemBitmaps(UINT commandId, HBITMAP bitmap) const {
  return ::SetMenuItemBitmaps(menu_, commandId, MF_BYCOMMAND, bitmap, bitmap) != FALSE;
}

UINT Menu::TrackPopup(UINT flags, int x, int y, HWND owner) const {
  if (!menu_) return 0;
  return static_cast<UINT>(::TrackPopupMenu(menu_, flags, x, y, 0, owner, nullptr));
}

}  // namespace qiv
