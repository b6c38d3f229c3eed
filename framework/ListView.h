// A list-view control, through its messages.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Window.h"

namespace qiv {

class ListView : public Window {
 public:
  ListView() = default;
  explicit ListView(HWND window) { Attach(window); }

  // which: LVSIL_NORMAL or LVSIL_SMALL. The control is made to share the list, so the list stays with its
  // owner's ImageList and is freed once, there; it must outlive the control's use of it.
  void SetImageList(HIMAGELIST list, int which) const;
  void SetExtendedStyle(DWORD mask, DWORD style) const;
  void SetBackgroundColour(COLORREF colour) const;
  void SetTextBackgroundColour(COLORREF colour) const;

  // The index of the new column, or -1.
  int InsertColumn(int index, const char* title, int width, int format = LVCFMT_LEFT) const;
  void SetColumnWidth(int column, int width) const;
  int ColumnWidth(int column) const;

  // The index of the new item, or -1.
  int InsertItem(int index, const std::string& text, int image, LPARAM data) const;
  void DeleteItem(int index) const;
  void DeleteAllItems() const;
  int ItemCount() const;
  LPARAM ItemData(int index) const;
  std::string ItemText(int index, int subItem = 0) const;
  void SetItemText(int index, int subItem, const std::string& text) const;
  // code: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL...; client coordinates.
  bool ItemRect(int index, int code, RECT& rect) const;

  // The selected items in list order.
  std::vector<int> SelectedItems() const;
  // Selects and focuses index alone; -1 clears the selection.
  void Select(int index) const;
  // Scrolls the item fully into view.
  void EnsureVisible(int index) const;
  // Starts editing the item's label; the control must have the focus and LVS_EDITLABELS.
  void EditLabel(int index) const;
};

}  // namespace qiv
