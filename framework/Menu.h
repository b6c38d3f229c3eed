// Menus from resources, shown as pop-ups.
#pragma once

#include <windows.h>

#include <utility>

#include "framework/UniqueHandle.h"

namespace qiv {

class Menu {
 public:
  Menu() = default;
  Menu(Menu&& other) noexcept : owned_(std::move(other.owned_)), menu_(std::exchange(other.menu_, nullptr)) {}
  Menu& operator=(Menu&& other) noexcept {
    owned_ = std::move(other.owned_);
    menu_ = std::exchange(other.menu_, nullptr);
    return *this;
  }

  // The menu resource id, owned; empty when it cannot be loaded.
  static Menu Load(UINT resourceId);

  // The pop-up at position, not owned: valid while the menu that holds it lives. Empty when there is none.
  Menu SubMenu(int position) const;
  // The same bitmap for the checked and the unchecked state; the menu does not own it, so it must outlive
  // the menu's display.
  bool SetItemBitmaps(UINT commandId, HBITMAP bitmap) const;
  // flags as for TrackPopupMenu. With TPM_RETURNCMD answers the chosen command (0 for none); without it,
  // the command arrives at owner as WM_COMMAND after the menu has closed. Runs a message loop.
  UINT TrackPopup(UINT flags, int x, int y, HWND owner) const;

  HMENU Handle() const { return menu_; }
  explicit operator bool() const { return menu_ != nullptr; }

 private:
  UniqueMenu owned_;
  HMENU menu_ = nullptr;
};

}  // namespace qiv
