// The window finder's drag: pressed on the cross-hair icon of a page, moved over any window, let go on it. It
// holds the mouse capture of the page while the drag lasts and answers the window under the pointer.
#pragma once

#include <windows.h>

namespace qiv {

class WindowFinder {
 public:
  // page: the window that gets the mouse messages and takes the capture; icon: the control a drag starts on.
  void Attach(HWND page, HWND icon);

  // WM_LBUTTONDOWN of the page: a press inside the icon starts a drag. True when it did.
  bool BeginDrag();
  bool IsDragging() const;
  // WM_MOUSEMOVE during a drag: shows the cross-hair and answers the window under the pointer: the
  // top-most visible ancestor of what the pointer is on; null over nothing and over the program's own windows.
  HWND Track() const;
  // WM_LBUTTONUP during a drag.
  void EndDrag() const;

 private:
  HWND page_ = nullptr;
  HWND icon_ = nullptr;
};

}  // namespace qiv
