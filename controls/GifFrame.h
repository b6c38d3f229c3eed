// One image of a GIF file as it was read: its place, colour table, control data and compressed data.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace qiv {

struct GifColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// Colour tables always hold 256 entries, so that any 8-bit index is safe whatever size the file declares.
using GifColourTable = std::array<GifColour, 256>;

// The data of a graphic control extension. A delay of 0xFFFF marks "none": the reader fills every byte
// with 0xFF when no extension applies, so a real extension with that delay counts as none, too.
struct GifControl {
  std::uint8_t packed = 0xFF;
  std::uint16_t delay = 0xFFFF;
  std::uint8_t transparentIndex = 0xFF;

  static constexpr std::uint8_t kTransparencyFlag = 0x01;
  // Disposal method 2: the area goes back to the background after the image.
  static constexpr int kRestoreToBackground = 2;

  bool IsNone() const { return delay == 0xFFFF; }
  bool HasTransparency() const { return (packed & kTransparencyFlag) != 0; }
  int DisposalMethod() const { return (packed >> 2) & 0x07; }
};

struct GifFrame {
  static constexpr std::uint8_t kLocalTableFlag = 0x80;
  static constexpr std::uint8_t kInterlaceFlag = 0x40;

  std::uint16_t left = 0;
  std::uint16_t top = 0;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::uint8_t packed = 0;
  std::uint16_t localTableSize = 0;
  GifColourTable localTable{};
  std::uint8_t minCodeSize = 0;
  // The sub-blocks as stored: each length byte followed by its bytes, without the terminating zero block.
  std::vector<std::uint8_t> data;
  GifControl control;

  bool HasLocalTable() const { return (packed & kLocalTableFlag) != 0; }
  bool IsInterlaced() const { return (packed & kInterlaceFlag) != 0; }
};

}  // namespace qiv
