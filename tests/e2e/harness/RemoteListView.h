// A list-view control of another process, as the tests read and select it: its messages carry pointers, so
// their structures are copied through a buffer inside that process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qiv::e2e {

class RemoteListView {
 public:
  explicit RemoteListView(HWND list);
  ~RemoteListView();
  RemoteListView(const RemoteListView&) = delete;
  RemoteListView& operator=(const RemoteListView&) = delete;

  // False when the buffer in the other process could not be made.
  bool Usable() const { return buffer_ != nullptr; }
  int Count() const;
  // How many rows fit in the control without scrolling.
  int RowsPerPage() const;
  int ColumnWidth() const;
  // The width the control itself gives the first column to show every item whole; the column is left as it was.
  int WidthThatFitsItems() const;
  std::string Text(int index, int subItem = 0) const;
  std::vector<std::string> Texts() const;
  LPARAM Data(int index) const;
  // Screen coordinates of the item's row; false for an index out of range.
  bool RowRect(int index, RECT& rect) const;
  // Selects exactly the given items (none for an empty list).
  void SelectOnly(const std::vector<int>& indices) const;

 private:
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
  bool Write(const void* data, size_t size, size_t offset = 0) const;
  bool Read(void* data, size_t size, size_t offset = 0) const;
  void SetState(int index, UINT state) const;

  HWND list_;
  HANDLE process_ = nullptr;
  char* buffer_ = nullptr;
};

}  // namespace qiv::e2e
