// What a GIF frame is painted onto, one opaque pixel at a time.
#pragma once

#include "controls/GifFrame.h"

namespace qiv {

class GifPixelTarget {
 public:
  virtual ~GifPixelTarget() = default;
  // x and y are picture coordinates plus the offset asked for; they may lie outside the target.
  virtual void SetPixel(int x, int y, GifColour colour) = 0;
};

}  // namespace qiv
