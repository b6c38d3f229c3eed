// The variable-length-code LZW decompressor of GIF image data, handing out rows of palette indices.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/GifFrame.h"
#include "controls/GifRowSink.h"

namespace qiv {

class GifDecoder {
 public:
  // Results of Decode.
  static constexpr int kDone = 0;
  // The data ran out before the end code; the rows decoded until then have been passed on.
  static constexpr int kDataEnded = -1;
  static constexpr int kNoMemory = -10;
  static constexpr int kBadCodeSize = -20;

  static constexpr int kMinCodeSize = 2;
  static constexpr int kMaxMinCodeSize = 9;

  // Passes the frame's rows to sink, top to bottom in stored order (interlaced frames stay interlaced),
  // a last row cut short by the end code with its actual length. Stops after the frame's height in rows:
  // surplus data would only land outside the frame. Errors found before decoding produce no rows at all.
  int Decode(const GifFrame& frame, GifRowSink& sink);

 private:
  static constexpr int kMaxCodeBits = 12;
  static constexpr int kMaxCodes = 1 << kMaxCodeBits;

  // The next code of size bits, least significant bit first across the sub-blocks; -1 at the data's end.
  int ReadCode(int size);

  const std::vector<std::uint8_t>* data_ = nullptr;
  std::size_t position_ = 0;
  int blockLeft_ = 0;
  std::uint32_t bits_ = 0;
  int bitCount_ = 0;

  // Entry k's string is the string of prefix_[k] followed by suffix_[k]; every prefix is below its entry,
  // so a string unwinds in at most kMaxCodes steps.
  std::array<std::uint16_t, kMaxCodes> prefix_{};
  std::array<std::uint8_t, kMaxCodes> suffix_{};
  // One string, last character first, plus the extra character of a code that is not yet defined.
  std::array<std::uint8_t, kMaxCodes + 1> stack_{};
};

}  // namespace qiv
