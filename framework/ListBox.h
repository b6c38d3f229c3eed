// A list box, through its messages.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Window.h"

namespace qiv {

class ListBox : public Window {
 public:
  ListBox() = default;
  explicit ListBox(HWND window) { Attach(window); }

  // The index of the new item, or a negative value when the list is full.
  int AddString(const std::string& text) const;
  void ResetContent() const;
  int Count() const;
  // -1 when nothing is selected.
  int CurrentSelection() const;
  void SetCurrentSelection(int index) const;
  // Client coordinates; false for an index out of range.
  bool ItemRect(int index, RECT& rect) const;
  // The item under a point in client coordinates, or -1 when the point is outside every item.
  int ItemFromPoint(POINT point) const;
  void SetItemHeight(int height) const;
  void SetColumnWidth(int width) const;
};

}  // namespace qiv
