// Keeps an object selected into a DC for a scope and puts the previous one back.
#pragma once

#include <windows.h>

namespace qiv {

// Declare it after the wrapper that owns the selected object: it then restores first, and the object is
// never deleted while still selected. Not for regions (SelectObject answers a region type for those).
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace qiv
