// Where the GIF decoder hands its output, one row of palette indices at a time.
#pragma once

#include <cstdint>

namespace qiv {

class GifRowSink {
 public:
  virtual ~GifRowSink() = default;
  // Row number row (0 = the frame's top, in stored order) with count indices: the frame's width, except
  // for a last row cut short by the end of the image data. The indices are valid only during the call.
  virtual void Row(const std::uint8_t* indices, int count, int row) = 0;
};

}  // namespace qiv
