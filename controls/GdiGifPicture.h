// A GIF picture from the program's resources, painted into device contexts and cut into window regions.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "controls/GifPicture.h"
#include "framework/UniqueHandle.h"

namespace qiv {

class GdiGifPicture {
 public:
  // Reads resource resourceId of type "PICTURE" from the program; false when it is missing or unreadable.
  bool Load(UINT resourceId);
  const GifPicture& Picture() const { return picture_; }

  // Paints the opaque pixels of a frame one by one with SetPixel at its place plus (x, y); drawFlags as
  // GifPicture takes them. A frame the picture lacks, or cannot decode, paints nothing.
  void DrawFrame(HDC dc, std::size_t index, int x, int y, unsigned drawFlags) const;

  // The frame's rectangle at its place plus (x, y) without its transparent pixels; null for a frame the
  // picture lacks. Ownership: the answer is a copy that belongs to the caller, who deletes it or hands it
  // to SetWindowRgn (the system deletes it then). The picture never deletes a region it handed out; the
  // outline it keeps is its own, built once per offset (another offset replaces it) and freed with the picture.
  UniqueRegion FrameRegion(std::size_t index, int x, int y);

 private:
  struct CachedRegion {
    UniqueRegion region;
    int x = 0;
    int y = 0;
  };

  UniqueRegion BuildRegion(const GifFrame& frame, int x, int y) const;

  GifPicture picture_;
  // One per frame.
  std::vector<CachedRegion> regions_;
};

}  // namespace qiv
