// A list-view control, through its messages.
#include "framework/ListView.h"

#include <algorithm>

namespace qiv {
namespace {

// Item texts are read with a buffer of this size first, and again with a doubled one while they fill it,
// up to the last size.
constexpr std::size_t kTextStep = 260;
constexpr std::size_t kMaxText = 260 * 256;

}  // namespace

void ListView::SetImageList(HIMAGELIST list, int which) const {
  const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
  ::SetWindowLongPtrA(Handle(), GWL_STYLE, style | LVS_SHAREIMAGELISTS);
  Send(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list));
}

void ListView::SetExtendedStyle(DWORD mask, DWORD style) const {
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, static_cast<LPARAM>(style));
}

void ListView::SetBackgroundColour(COLORREF colour) const { Send(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(colour)); }

void ListView::SetTextBackgroundColour(COLORREF colour) const {
  Send(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(colour));
}

int ListView::InsertColumn(int index, const char* title, int width, int format) const {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = format;
  column.cx = width;
  column.pszText = const_cast<char*>(title);
  return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

void ListView::SetColumnWidth(int column, int width) const {
  Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

int ListView::ColumnWidth(int column) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column, 0)); }

int ListView::InsertItem(int index, const std::string& text, int image, LPARAM data) const {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = image;
  item.lParam = data;
  return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::DeleteItem(int index) const { Send(LVM_DELETEITEM, static_cast<WPARAM>(index)); }

void ListView::DeleteAllItems() const { Send(LVM_DELETEALLITEMS); }

int ListView::ItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

LPARAM ListView::ItemData(int index) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

std::string ListView::ItemText(int index, int subItem) const {
  std::string text;
  for (std::size_t size = kTextStep;; size *= 2) {
    text.assign(size, '\0');
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(size);
    const LRESULT copied = Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const std::size_t length = copied > 0 ? static_cast<std::size_t>(copied) : 0;
    // A text that filled the buffer may have been cut short.
    if (length + 1 < size || size >= kMaxText) {
      text.resize(std::min(length, size - 1));
      return text;
    }
  }
}

void ListView::SetItemText(int index, int subItem, const std::string& text) const {
  LVITEMA item{};
  item.iSubItem = subItem;
  item.pszText = const_cast<char*>(text.c_str());
  Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

bool ListView::ItemRect(int index, int code, RECT& rect) const {
  rect.left = code;
  return Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != FALSE;
}

std::vector<int> ListView::SelectedItems() const {
  std::vector<int> selected;
  for (int index = -1;;) {
    const int next = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(index), MAKELPARAM(LVNI_SELECTED, 0)));
    // -1 ends the walk; a control that is gone answers 0 every time, which must not count as progress.
    if (next <= index) return selected;
    selected.push_back(next);
    index = next;
  }
}

void ListView::Select(int index) const {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  // Item -1 stands for all items.
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (index < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void ListView::EnsureVisible(int index) const { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE); }

void ListView::EditLabel(int index) const { Send(LVM_EDITLABELA, static_cast<WPARAM>(index)); }

}  // namespace qiv
