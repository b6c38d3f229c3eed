// The variable-length-code LZW decompressor of GIF image data.
#include "controls/GifDecoder.h"

#include <memory>
#include <new>

namespace qiv {

int GifDecoder::Decode(const GifFrame& frame, GifRowSink& sink) {
  const int minCodeSize = frame.minCodeSize;
  if (minCodeSize < kMinCodeSize || minCodeSize > kMaxMinCodeSize) return kBadCodeSize;
  const int width = frame.width;
  const int height = frame.height;
  std::unique_ptr<std::uint8_t[]> row(new (std::nothrow) std::uint8_t[width + 1]);
  if (!row) return kNoMemory;
  // A row of no pixels would be full before its first pixel, and never end.
  if (width == 0 || height == 0) return kDone;

  data_ = &frame.data;
  position_ = 0;
  blockLeft_ = 0;
  bits_ = 0;
  bitCount_ = 0;

  const int clearCode = 1 << minCodeSize;
  const int endCode = clearCode + 1;
  const int firstFree = clearCode + 2;
  int codeSize = minCodeSize + 1;
  int nextFree = firstFree;
  int previous = -1;  // none: the next code is the first after a clear
  int firstCharacter = 0;
  int column = 0;
  int rowNumber = 0;
  int result = kDone;

  for (;;) {
    const int code = ReadCode(codeSize);
    if (code < 0) {
      result = kDataEnded;
      break;
    }
    if (code == endCode) break;
    if (code == clearCode) {
      codeSize = minCodeSize + 1;
      nextFree = firstFree;
      previous = -1;
      continue;
    }

    int depth = 0;
    if (previous < 0) {
      // Nothing is defined yet but the single characters; anything else stands for character 0.
      const int character = code < clearCode ? code : 0;
      stack_[depth++] = static_cast<std::uint8_t>(character);
      firstCharacter = character;
      previous = character;
    } else {
      // The encoder may send the entry it is about to define: the previous string plus its own first character.
      const bool undefined = code >= nextFree;
      int current = code;
      if (undefined) {
        stack_[depth++] = static_cast<std::uint8_t>(firstCharacter);
        current = previous;
      }
      while (current >= firstFree) {
        stack_[depth++] = suffix_[current];
        current = prefix_[current];
      }
      stack_[depth++] = static_cast<std::uint8_t>(current);
      firstCharacter = current;
      if (nextFree < kMaxCodes) {
        prefix_[nextFree] = static_cast<std::uint16_t>(previous);
        suffix_[nextFree] = static_cast<std::uint8_t>(current);
        ++nextFree;
        if (nextFree >= (1 << codeSize) && codeSize < kMaxCodeBits) ++codeSize;
      }
      // An undefined code has just been defined as the entry added last (the table cannot be full then:
      // every 12-bit code is defined once it is).
      previous = undefined ? nextFree - 1 : code;
    }

    while (depth > 0) {
      row[column++] = stack_[--depth];
      if (column == width) {
        sink.Row(row.get(), width, rowNumber);
        column = 0;
        if (++rowNumber == height) return kDone;
      }
    }
  }

  if (column > 0) sink.Row(row.get(), column, rowNumber);
  return result;
}

int GifDecoder::ReadCode(int size) {
  const std::vector<std::uint8_t>& data = *data_;
  while (bitCount_ < size) {
    if (position_ >= data.size()) return -1;
    const std::uint8_t byte = data[position_++];
    if (blockLeft_ == 0) {
      blockLeft_ = byte;
      continue;
    }
    --blockLeft_;
    bits_ |= static_cast<std::uint32_t>(byte) << bitCount_;
    bitCount_ += 8;
  }
  const int code = static_cast<int>(bits_ & ((1u << size) - 1));
  bits_ >>= size;
  bitCount_ -= size;
  return code;
}

}  // namespace qiv
