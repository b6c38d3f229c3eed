// A GIF file held in memory: reading it, and decoding its frames into pixels or transparent runs.
#include "controls/GifPicture.h"

#include <cstring>
#include <utility>

#include "controls/GifDecoder.h"
#include "controls/GifRowSink.h"

namespace qiv {
namespace {

constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kImageDescriptor = 0x2C;
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::size_t kDescriptorSize = 9;
constexpr std::size_t kControlSize = 4;
constexpr std::uint8_t kTableSizeBits = 0x07;

int TableSize(std::uint8_t packed) { return 1 << ((packed & kTableSizeBits) + 1); }

int Word(const std::uint8_t* bytes) { return bytes[0] | (bytes[1] << 8); }

class PixelPainter final : public GifRowSink {
 public:
  PixelPainter(const GifColourTable& colours, int transparent, int left, int top, GifPixelTarget& target)
      : colours_(colours), transparent_(transparent), left_(left), top_(top), target_(target) {}

  void Row(const std::uint8_t* indices, int count, int row) override {
    for (int i = 0; i < count; ++i) {
      if (indices[i] != transparent_) target_.SetPixel(left_ + i, top_ + row, colours_[indices[i]]);
    }
  }

 private:
  const GifColourTable& colours_;
  int transparent_;
  int left_;
  int top_;
  GifPixelTarget& target_;
};

class RunFinder final : public GifRowSink {
 public:
  RunFinder(int transparent, int left, int top, std::vector<GifRun>& runs)
      : transparent_(transparent), left_(left), top_(top), runs_(runs) {}

  void Row(const std::uint8_t* indices, int count, int row) override {
    int i = 0;
    while (i < count) {
      if (indices[i] != transparent_) {
        ++i;
        continue;
      }
      int end = i + 1;
      while (end < count && indices[end] == indices[i]) ++end;
      runs_.push_back({left_ + i, top_ + row, end - i});
      i = end;
    }
  }

 private:
  int transparent_;
  int left_;
  int top_;
  std::vector<GifRun>& runs_;
};

}  // namespace

// Sequential reads over the file's bytes; every read beyond the end fails.
class GifPicture::Reader {
 public:
  Reader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

  // The next count bytes, or null when fewer are left.
  const std::uint8_t* Take(std::size_t count) {
    if (count > size_ - position_) return nullptr;
    const std::uint8_t* taken = bytes_ + position_;
    position_ += count;
    return taken;
  }

  bool Byte(std::uint8_t& value) {
    const std::uint8_t* taken = Take(1);
    if (!taken) return false;
    value = *taken;
    return true;
  }

  bool Table(GifColourTable& table, int entries) {
    const std::uint8_t* taken = Take(static_cast<std::size_t>(entries) * 3);
    if (!taken) return false;
    for (int i = 0; i < entries; ++i, taken += 3) table[i] = {taken[0], taken[1], taken[2]};
    return true;
  }

 private:
  const std::uint8_t* bytes_;
  std::size_t size_;
  std::size_t position_ = 0;
};

bool GifPicture::Load(const std::uint8_t* bytes, std::size_t size) {
  header_ = {};
  globalTableSize_ = 0;
  globalTable_ = {};
  pendingControl_ = {};
  frames_.clear();
  Reader reader(bytes, bytes ? size : 0);
  if (ReadFile(reader)) return true;
  frames_.clear();
  return false;
}

bool GifPicture::ReadFile(Reader& reader) {
  const std::uint8_t* header = reader.Take(kHeaderSize);
  if (!header || std::memcmp(header, "GIF8", 4) != 0) return false;
  std::memcpy(header_.data(), header, kHeaderSize);
  if (HasGlobalTable()) {
    globalTableSize_ = TableSize(header_[10]);
    if (!reader.Table(globalTable_, globalTableSize_)) return false;
  }
  for (;;) {
    std::uint8_t blockType = 0;
    if (!reader.Byte(blockType)) return false;
    switch (blockType) {
      case kTrailer: return !frames_.empty();
      case kImageDescriptor:
        if (!ReadImage(reader)) return false;
        break;
      case kExtension:
        if (!ReadExtension(reader)) return false;
        break;
      default:
        // Stray bytes between blocks are passed over.
        break;
    }
  }
}

bool GifPicture::ReadImage(Reader& reader) {
  GifFrame frame;
  const std::uint8_t* descriptor = reader.Take(kDescriptorSize);
  if (!descriptor) return false;
  frame.left = static_cast<std::uint16_t>(Word(descriptor));
  frame.top = static_cast<std::uint16_t>(Word(descriptor + 2));
  frame.width = static_cast<std::uint16_t>(Word(descriptor + 4));
  frame.height = static_cast<std::uint16_t>(Word(descriptor + 6));
  frame.packed = descriptor[8];
  if (frame.HasLocalTable()) {
    frame.localTableSize = static_cast<std::uint16_t>(TableSize(frame.packed));
    if (!reader.Table(frame.localTable, frame.localTableSize)) return false;
  }
  if (!reader.Byte(frame.minCodeSize)) return false;
  for (;;) {
    std::uint8_t length = 0;
    if (!reader.Byte(length)) return false;
    if (length == 0) break;
    if (frame.data.size() + 1 + length > kMaxFrameData) return false;
    const std::uint8_t* block = reader.Take(length);
    if (!block) return false;
    if (frame.data.empty() && !pendingControl_.IsNone()) {
      frame.control = pendingControl_;
      pendingControl_ = {};
    }
    frame.data.push_back(length);
    frame.data.insert(frame.data.end(), block, block + length);
  }
  if (frame.data.empty()) return false;
  frames_.push_back(std::move(frame));
  return true;
}

bool GifPicture::ReadExtension(Reader& reader) {
  std::uint8_t label = 0;
  if (!reader.Byte(label)) return false;
  std::array<std::uint8_t, kControlSize> control{};
  std::size_t kept = 0;
  for (;;) {
    std::uint8_t length = 0;
    if (!reader.Byte(length)) return false;
    if (length == 0) break;
    const std::uint8_t* block = reader.Take(length);
    if (!block) return false;
    for (std::size_t i = 0; i < length && kept < kControlSize; ++i) control[kept++] = block[i];
  }
  // A graphic control extension too short to hold its four bytes says nothing.
  if (label == kGraphicControlLabel && kept == kControlSize) {
    pendingControl_.packed = control[0];
    pendingControl_.delay = static_cast<std::uint16_t>(Word(&control[1]));
    pendingControl_.transparentIndex = control[3];
  }
  return true;
}

int GifPicture::Width() const { return Word(&header_[6]); }

int GifPicture::Height() const { return Word(&header_[8]); }

bool GifPicture::HasGlobalTable() const { return (header_[10] & kGlobalTableFlag) != 0; }

std::uint8_t GifPicture::BackgroundIndex() const { return header_[11]; }

int GifPicture::TransparentIndex(const GifFrame& frame, GifUse use, unsigned drawFlags) const {
  const GifControl& control = frame.control;
  if (control.IsNone()) return HasGlobalTable() ? BackgroundIndex() : -1;
  if (!control.HasTransparency()) return -1;
  if (use == GifUse::Drawing && control.DisposalMethod() == GifControl::kRestoreToBackground &&
      (drawFlags & kDrawRestoredAsTransparent) == 0) {
    return -1;
  }
  return control.transparentIndex;
}

int GifPicture::PaintFrame(const GifFrame& frame, int x, int y, unsigned drawFlags, GifPixelTarget& target) const {
  PixelPainter painter(frame.HasLocalTable() ? frame.localTable : globalTable_,
                       TransparentIndex(frame, GifUse::Drawing, drawFlags), frame.left + x, frame.top + y, target);
  GifDecoder decoder;
  return decoder.Decode(frame, painter);
}

int GifPicture::FindTransparentRuns(const GifFrame& frame, int x, int y, std::vector<GifRun>& runs) const {
  RunFinder finder(TransparentIndex(frame, GifUse::Region, 0), frame.left + x, frame.top + y, runs);
  GifDecoder decoder;
  return decoder.Decode(frame, finder);
}

}  // namespace qiv
