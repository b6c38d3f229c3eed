// A tab control, through its messages.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Window.h"

namespace qiv {

class TabControl : public Window {
 public:
  TabControl() = default;
  explicit TabControl(HWND window) { Attach(window); }

  // The control does not take the list over: its owner frees it, after the control is gone.
  void SetImageList(HIMAGELIST list) const;
  void SetItemImage(int index, int image) const;
  int ItemCount() const;
  // larger = false: the display area inside a window rectangle; true: the window rectangle around a display
  // area.
  void AdjustRect(bool larger, RECT& rect) const;
};

}  // namespace qiv
