// An up-down (spin) control, through its messages.
#pragma once

#include <windows.h>

#include "framework/Window.h"

namespace qiv {

class UpDown : public Window {
 public:
  UpDown() = default;
  explicit UpDown(HWND window) { Attach(window); }

  void SetRange(int min, int max) const;
  void SetPosition(int position) const;
  int Position() const;
};

}  // namespace qiv
