// An owned image list.
#include "framework/ImageList.h"

#include "framework/Program.h"

namespace qiv {

bool ImageList::Create(int width, int height, UINT flags, int initial, int grow) {
  list_ = UniqueImageList(::ImageList_Create(width, height, flags, initial, grow));
  return list_.IsValid();
}

bool ImageList::CreateFromBitmap(UINT bitmapId, int width, int grow, COLORREF maskColour) {
  list_ = UniqueImageList(::ImageList_LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(bitmapId), width, grow, maskColour,
                                                 IMAGE_BITMAP, LR_DEFAULTCOLOR));
  return list_.IsValid();
}

int ImageList::AddIcon(HICON icon) const { return ::ImageList_ReplaceIcon(list_.Get(), -1, icon); }

int ImageList::AddMasked(HBITMAP bitmap, COLORREF maskColour) const {
  return ::ImageList_AddMasked(list_.Get(), bitmap, maskColour);
}

int ImageList::Count() const { return ::ImageList_GetImageCount(list_.Get()); }

void ImageList::SetCount(int count) const { ::ImageList_SetImageCount(list_.Get(), static_cast<UINT>(count)); }

}  // namespace qiv
