// An owned image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/UniqueHandle.h"

namespace qiv {

class ImageList {
 public:
  // flags as for ImageList_Create (ILC_COLORDDB | ILC_MASK...); replaces a list held before.
  bool Create(int width, int height, UINT flags, int initial, int grow);
  // The images of a bitmap resource, each width pixels wide; pixels of maskColour are transparent.
  bool CreateFromBitmap(UINT bitmapId, int width, int grow, COLORREF maskColour);
  void Destroy() { list_.Reset(); }

  // The index of the new image, or -1.
  int AddIcon(HICON icon) const;
  int AddMasked(HBITMAP bitmap, COLORREF maskColour) const;
  int Count() const;
  // Cuts the list back to (or grows it to) count images.
  void SetCount(int count) const;

  HIMAGELIST Handle() const { return list_.Get(); }

 private:
  UniqueImageList list_;
};

}  // namespace qiv
