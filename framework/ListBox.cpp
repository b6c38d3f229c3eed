// A list box, through its messages.
#include "framework/ListBox.h"

namespace qiv {

int ListBox::AddString(const std::string& text) const {
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListBox::ResetContent() const { Send(LB_RESETCONTENT); }

int ListBox::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int ListBox::CurrentSelection() const { return static_cast<int>(Send(LB_GETCURSEL)); }

void ListBox::SetCurrentSelection(int index) const { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

bool ListBox::ItemRect(int index, RECT& rect) const {
  return Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != LB_ERR;
}

int ListBox::ItemFromPoint(POINT point) const {
  const LRESULT hit = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  // The low word names the nearest item, also for a point in the empty space past the last item; the high
  // word only says whether the point lies outside the client area.
  if (HIWORD(hit) != 0) return -1;
  const int index = LOWORD(hit);
  RECT rect;
  return ItemRect(index, rect) && ::PtInRect(&rect, point) ? index : -1;
}

void ListBox::SetItemHeight(int height) const { Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0)); }

void ListBox::SetColumnWidth(int width) const { Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(width)); }

}  // namespace qiv
