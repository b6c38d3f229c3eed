// A tab control, through its messages.
#include "framework/TabControl.h"

namespace qiv {

void TabControl::SetImageList(HIMAGELIST list) const { Send(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list)); }

void TabControl::SetItemImage(int index, int image) const {
  TCITEMA item{};
  item.mask = TCIF_IMAGE;
  item.iImage = image;
  Send(TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

int TabControl::ItemCount() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }

void TabControl::AdjustRect(bool larger, RECT& rect) const {
  Send(TCM_ADJUSTRECT, larger ? TRUE : FALSE, reinterpret_cast<LPARAM>(&rect));
}

}  // namespace qiv
