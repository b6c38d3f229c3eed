// A trackbar (slider), through its messages.
#pragma once

#include <windows.h>

#include "framework/Window.h"

namespace qiv {

class Trackbar : public Window {
 public:
  Trackbar() = default;
  explicit Trackbar(HWND window) { Attach(window); }

  void SetRange(int min, int max) const;
  void SetPosition(int position) const;
  int Position() const;
};

}  // namespace qiv
