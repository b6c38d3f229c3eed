// A GIF file held in memory: its frames as stored, their transparency, and their decoding into pixels or holes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/GifFrame.h"
#include "controls/GifPixelTarget.h"

namespace qiv {

// A horizontal stretch of transparent pixels: length pixels from (x, y) to the right.
struct GifRun {
  int x = 0;
  int y = 0;
  int length = 0;

  friend bool operator==(const GifRun& a, const GifRun& b) { return a.x == b.x && a.y == b.y && a.length == b.length; }
};

// Transparency differs between painting a frame and cutting its outline for disposal method 2.
enum class GifUse { Drawing, Region };

class GifPicture {
 public:
  // A frame's data, length bytes included, may not be larger; a larger one makes the whole file unreadable.
  static constexpr std::size_t kMaxFrameData = 163840;
  // Draw flag: pixels of the transparent index stay transparent also in frames that restore to the background.
  static constexpr unsigned kDrawRestoredAsTransparent = 0x01;

  // Reads a whole file. False, with no frames left, for a signature other than "GIF8...", any read beyond
  // the end, an image without data or with too much, or no image at all.
  bool Load(const std::uint8_t* bytes, std::size_t size);

  // The logical screen.
  int Width() const;
  int Height() const;
  bool HasGlobalTable() const;
  std::uint8_t BackgroundIndex() const;
  int GlobalTableSize() const { return globalTableSize_; }
  const GifColourTable& GlobalTable() const { return globalTable_; }

  std::size_t FrameCount() const { return frames_.size(); }
  // index < FrameCount().
  const GifFrame& Frame(std::size_t index) const { return frames_[index]; }

  // The palette index whose pixels are transparent in frame, or -1 when none is.
  int TransparentIndex(const GifFrame& frame, GifUse use, unsigned drawFlags) const;

  // Paints the opaque pixels of frame at its place plus (x, y) in the colours of its own table, or of the
  // global one when it has none. Answers the decoder's result.
  int PaintFrame(const GifFrame& frame, int x, int y, unsigned drawFlags, GifPixelTarget& target) const;
  // Appends the frame's transparent runs, at its place plus (x, y), in row order. Answers the decoder's result.
  int FindTransparentRuns(const GifFrame& frame, int x, int y, std::vector<GifRun>& runs) const;

 private:
  static constexpr std::size_t kHeaderSize = 13;
  static constexpr std::uint8_t kGlobalTableFlag = 0x80;

  class Reader;
  bool ReadFile(Reader& reader);
  bool ReadImage(Reader& reader);
  bool ReadExtension(Reader& reader);

  // Signature and version, logical screen width and height (little-endian), flags, background index,
  // aspect ratio, as stored.
  std::array<std::uint8_t, kHeaderSize> header_{};
  int globalTableSize_ = 0;
  GifColourTable globalTable_{};
  // The last graphic control extension that no image has taken yet.
  GifControl pendingControl_;
  std::vector<GifFrame> frames_;
};

}  // namespace qiv
