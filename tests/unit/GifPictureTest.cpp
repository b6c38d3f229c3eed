// The GIF reader and decoder against small files built here, and against the start-up picture.
#include "controls/GifDecoder.h"
#include "controls/GifPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qiv {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Packs codes least significant bit first, at the width the decoder will read them: it defines a table
// entry for every code but the first after a clear, and widens when the next free entry reaches 2^width.
class CodeWriter {
 public:
  explicit CodeWriter(int minCodeSize) : minCodeSize_(minCodeSize) { Reset(); }

  void Put(int code) {
    EXPECT_LT(code, 1 << width_) << "the fixture's code does not fit its width";
    accumulator_ |= static_cast<std::uint32_t>(code) << bitCount_;
    bitCount_ += width_;
    while (bitCount_ >= 8) {
      bytes_.push_back(static_cast<std::uint8_t>(accumulator_ & 0xFF));
      accumulator_ >>= 8;
      bitCount_ -= 8;
    }
    if (code == (1 << minCodeSize_)) {
      Reset();
    } else if (first_) {
      first_ = false;
    } else if (next_ < 4096) {
      ++next_;
      if (next_ == (1 << width_) && width_ < 12) ++width_;
    }
  }

  Bytes Finish() {
    if (bitCount_ > 0) bytes_.push_back(static_cast<std::uint8_t>(accumulator_ & 0xFF));
    return bytes_;
  }

 private:
  void Reset() {
    width_ = minCodeSize_ + 1;
    next_ = (1 << minCodeSize_) + 2;
    first_ = true;
  }

  int minCodeSize_;
  int width_ = 0;
  int next_ = 0;
  bool first_ = true;
  std::uint32_t accumulator_ = 0;
  int bitCount_ = 0;
  Bytes bytes_;
};

enum class WhenFull { Clear, KeepTable };

// GIF's LZW. With KeepTable the encoder goes on with the full table, so the decoder has to stop growing
// at 12 bits and keep reading 12-bit codes.
Bytes Compress(const Bytes& pixels, int minCodeSize, WhenFull whenFull = WhenFull::Clear, bool endCode = true) {
  const int clear = 1 << minCodeSize;
  CodeWriter writer(minCodeSize);
  writer.Put(clear);
  if (!pixels.empty()) {
    std::map<std::pair<int, int>, int> table;
    int next = clear + 2;
    int prefix = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
      const auto found = table.find({prefix, pixels[i]});
      if (found != table.end()) {
        prefix = found->second;
        continue;
      }
      writer.Put(prefix);
      if (next < 4096) {
        table[{prefix, pixels[i]}] = next++;
      } else if (whenFull == WhenFull::Clear) {
        writer.Put(clear);
        table.clear();
        next = clear + 2;
      }
      prefix = pixels[i];
    }
    writer.Put(prefix);
  }
  if (endCode) writer.Put(clear + 1);
  return writer.Finish();
}

Bytes Codes(int minCodeSize, const std::vector<int>& codes) {
  CodeWriter writer(minCodeSize);
  for (int code : codes) writer.Put(code);
  return writer.Finish();
}

// A little-endian GIF file, block by block.
class GifBuilder {
 public:
  // globalTableBits < 0: no global table. Entry i of the global table is (i, 0, 0).
  GifBuilder& Header(int width, int height, int globalTableBits = 1, int background = 0) {
    Append("GIF89a");
    Word(width);
    Word(height);
    bytes_.push_back(static_cast<std::uint8_t>(globalTableBits >= 0 ? 0x80 | globalTableBits : 0));
    bytes_.push_back(static_cast<std::uint8_t>(background));
    bytes_.push_back(0);
    if (globalTableBits >= 0) Table(globalTableBits, [](int i) { return GifColour{std::uint8_t(i), 0, 0}; });
    return *this;
  }

  GifBuilder& Control(int packed, int transparentIndex, int delay = 0) {
    return Extension(
        0xF9, {std::uint8_t(packed), std::uint8_t(delay), std::uint8_t(delay >> 8), std::uint8_t(transparentIndex)});
  }

  GifBuilder& Extension(int label, const Bytes& data) {
    bytes_.push_back(0x21);
    bytes_.push_back(static_cast<std::uint8_t>(label));
    SubBlocks(data, 255);
    return *this;
  }

  struct Image {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int packed = 0;  // with the local table flag, entry i of the local table is (0, i, 0)
    int minCodeSize = 2;
    Bytes data;
    int blockSize = 255;
  };

  GifBuilder& Add(const Image& image) {
    bytes_.push_back(0x2C);
    Word(image.left);
    Word(image.top);
    Word(image.width);
    Word(image.height);
    bytes_.push_back(static_cast<std::uint8_t>(image.packed));
    if (image.packed & 0x80) Table(image.packed & 7, [](int i) { return GifColour{0, std::uint8_t(i), 0}; });
    bytes_.push_back(static_cast<std::uint8_t>(image.minCodeSize));
    SubBlocks(image.data, image.blockSize);
    return *this;
  }

  // An image of the given palette indices, compressed.
  GifBuilder& Add(Image image, const Bytes& pixels) {
    image.data = Compress(pixels, image.minCodeSize);
    return Add(image);
  }

  GifBuilder& Raw(const Bytes& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
  }

  GifBuilder& Trailer() {
    bytes_.push_back(0x3B);
    return *this;
  }

  const Bytes& Get() const { return bytes_; }

 private:
  void Append(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  void Word(int value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  }
  void Table(int bits, const std::function<GifColour(int)>& colour) {
    for (int i = 0; i < (2 << bits); ++i) {
      const GifColour c = colour(i);
      bytes_.insert(bytes_.end(), {c.red, c.green, c.blue});
    }
  }
  void SubBlocks(const Bytes& data, int blockSize) {
    for (std::size_t start = 0; start < data.size(); start += blockSize) {
      const std::size_t length = std::min<std::size_t>(blockSize, data.size() - start);
      bytes_.push_back(static_cast<std::uint8_t>(length));
      bytes_.insert(bytes_.end(), data.begin() + start, data.begin() + start + length);
    }
    bytes_.push_back(0);
  }

  Bytes bytes_;
};

class RowRecorder final : public GifRowSink {
 public:
  void Row(const std::uint8_t* indices, int count, int row) override {
    rows.emplace_back(indices, indices + count);
    numbers.push_back(row);
  }

  Bytes Pixels() const {
    Bytes all;
    for (const Bytes& row : rows) all.insert(all.end(), row.begin(), row.end());
    return all;
  }

  std::vector<Bytes> rows;
  std::vector<int> numbers;
};

struct Painted {
  int x;
  int y;
  int red;
  int green;
  int blue;
};

class Canvas final : public GifPixelTarget {
 public:
  void SetPixel(int x, int y, GifColour colour) override {
    pixels.push_back({x, y, colour.red, colour.green, colour.blue});
  }
  std::vector<Painted> pixels;
};

GifFrame FrameWith(int minCodeSize, int width, int height, const Bytes& codeBytes) {
  GifFrame frame;
  frame.width = static_cast<std::uint16_t>(width);
  frame.height = static_cast<std::uint16_t>(height);
  frame.minCodeSize = static_cast<std::uint8_t>(minCodeSize);
  for (std::size_t start = 0; start < codeBytes.size(); start += 255) {
    const std::size_t length = std::min<std::size_t>(255, codeBytes.size() - start);
    frame.data.push_back(static_cast<std::uint8_t>(length));
    frame.data.insert(frame.data.end(), codeBytes.begin() + start, codeBytes.begin() + start + length);
  }
  return frame;
}

Bytes Pattern(std::size_t count, int modulo, std::uint32_t seed) {
  Bytes pixels(count);
  for (std::uint8_t& pixel : pixels) {
    seed = seed * 1103515245u + 12345u;
    pixel = static_cast<std::uint8_t>((seed >> 16) % modulo);
  }
  return pixels;
}

Bytes Stretches(std::size_t count, int modulo) {
  Bytes pixels(count);
  for (std::size_t i = 0; i < count; ++i) pixels[i] = static_cast<std::uint8_t>((i / 37 + i / 501) % modulo);
  return pixels;
}

// ---------------------------------------------------------------------------------------------------------
// Decoder

struct RoundTripCase {
  const char* name;
  int minCodeSize;
  int width;
  int height;
  Bytes pixels;
  WhenFull whenFull;
};

TEST(GifDecoderTest, RoundTripsCompressedImages) {
  const RoundTripCase cases[] = {
      {"tiny", 2, 5, 3, Pattern(15, 4, 1), WhenFull::Clear},
      {"table fills and clears", 8, 128, 128, Pattern(128 * 128, 256, 2), WhenFull::Clear},
      {"table fills and stays", 8, 128, 128, Pattern(128 * 128, 256, 3), WhenFull::KeepTable},
      {"codes grow to 12 bits", 4, 200, 60, Stretches(200 * 60, 16), WhenFull::Clear},
      {"strings longer than a row", 2, 1, 400, Bytes(400, 3), WhenFull::Clear},
      {"largest code size", 9, 30, 10, Pattern(300, 256, 4), WhenFull::Clear},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.name);
    const GifFrame frame = FrameWith(c.minCodeSize, c.width, c.height, Compress(c.pixels, c.minCodeSize, c.whenFull));
    RowRecorder recorder;
    GifDecoder decoder;
    EXPECT_EQ(decoder.Decode(frame, recorder), GifDecoder::kDone);
    ASSERT_EQ(recorder.rows.size(), static_cast<std::size_t>(c.height));
    for (int row = 0; row < c.height; ++row) {
      EXPECT_EQ(recorder.numbers[row], row);
      EXPECT_EQ(recorder.rows[row], Bytes(c.pixels.begin() + row * c.width, c.pixels.begin() + (row + 1) * c.width));
    }
  }
}

struct CodeCase {
  const char* name;
  std::vector<int> codes;  // minimum code size 3: clear 8, end 9, first free entry 10
  Bytes expected;
};

TEST(GifDecoderTest, DecodesCodesNotYetDefined) {
  const CodeCase cases[] = {
      {"first code after a clear undefined stands for 0", {8, 12, 1, 9}, {0, 1}},
      {"no leading clear", {1, 2, 9}, {1, 2}},
      {"the entry about to be defined", {8, 1, 10, 9}, {1, 1, 1}},
      {"a code beyond the next entry", {8, 1, 2, 13, 10, 9}, {1, 2, 2, 2, 1, 2}},
      {"two undefined codes in a row", {8, 3, 2, 14, 14, 9}, {3, 2, 2, 2, 2, 2, 2}},
      {"repeated clears are skipped", {8, 8, 8, 2, 8, 8, 3, 9}, {2, 3}},
      {"a clear forgets the table", {8, 1, 2, 10, 8, 10, 9}, {1, 2, 1, 2, 0}},
      {"end code at once", {9}, {}},
      {"data after the end code", {8, 1, 9, 2, 3}, {1}},
  };
  for (const CodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    RowRecorder recorder;
    GifDecoder decoder;
    EXPECT_EQ(decoder.Decode(FrameWith(3, 64, 1, Codes(3, c.codes)), recorder), GifDecoder::kDone);
    EXPECT_EQ(recorder.Pixels(), c.expected);
    EXPECT_EQ(recorder.rows.size(), c.expected.empty() ? 0u : 1u);
  }
}

struct RowCase {
  const char* name;
  int width;
  int height;
  int pixelCount;
  bool endCode;
  std::vector<int> rowLengths;
  int result;
};

TEST(GifDecoderTest, CutsRows) {
  // Eight 2-bit pixels, one code each, take the clear code to exactly four bytes: without an end code the
  // data then stops on a byte boundary, with no padding bits to be read as one more code.
  const RowCase cases[] = {
      {"exact", 3, 2, 6, true, {3, 3}, GifDecoder::kDone},
      {"partial last row", 3, 3, 7, true, {3, 3, 1}, GifDecoder::kDone},
      {"surplus beyond the height", 2, 2, 7, true, {2, 2}, GifDecoder::kDone},
      {"data ends without end code", 3, 3, 8, false, {3, 3, 2}, GifDecoder::kDataEnded},
      {"no data at all", 3, 3, 0, false, {}, GifDecoder::kDataEnded},
      {"width 0", 0, 3, 7, true, {}, GifDecoder::kDone},
      {"height 0", 3, 0, 7, true, {}, GifDecoder::kDone},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes pixels = Pattern(c.pixelCount, 4, 9);
    std::vector<int> codes;
    if (c.pixelCount > 0) codes.push_back(4);
    codes.insert(codes.end(), pixels.begin(), pixels.end());
    if (c.endCode) codes.push_back(5);
    RowRecorder recorder;
    GifDecoder decoder;
    EXPECT_EQ(decoder.Decode(FrameWith(2, c.width, c.height, Codes(2, codes)), recorder), c.result);
    ASSERT_EQ(recorder.rows.size(), c.rowLengths.size());
    std::size_t start = 0;
    for (std::size_t row = 0; row < c.rowLengths.size(); ++row) {
      EXPECT_EQ(recorder.numbers[row], static_cast<int>(row));
      EXPECT_EQ(recorder.rows[row], Bytes(pixels.begin() + start, pixels.begin() + start + c.rowLengths[row]));
      start += c.rowLengths[row];
    }
  }
}

// ---------------------------------------------------------------------------------------------------------
// Reading

// Two frames, a comment, a local table, an interlaced image and sub-blocks of several sizes: every kind of
// read the reader makes.
Bytes FullFile() {
  GifBuilder file;
  file.Header(4, 2, 1).Control(0x01, 2);
  file.Add({0, 0, 4, 2, 0, 2, {}, 2}, Pattern(8, 4, 5));
  file.Extension(0xFE, {'h', 'i'});
  file.Add({1, 0, 3, 2, 0x80 | 0x40 | 1, 2, {}, 255}, Pattern(6, 4, 6));
  return file.Trailer().Get();
}

TEST(GifPictureTest, LoadsFullFile) {
  GifPicture picture;
  const Bytes file = FullFile();
  ASSERT_TRUE(picture.Load(file.data(), file.size()));
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(picture.Height(), 2);
  EXPECT_EQ(picture.GlobalTableSize(), 4);
  EXPECT_EQ(picture.GlobalTable()[3].red, 3);
  ASSERT_EQ(picture.FrameCount(), 2u);
  const GifFrame& second = picture.Frame(1);
  EXPECT_EQ(second.left, 1);
  EXPECT_EQ(second.width, 3);
  EXPECT_TRUE(second.HasLocalTable());
  EXPECT_TRUE(second.IsInterlaced());
  EXPECT_EQ(second.localTableSize, 4);
  EXPECT_EQ(second.localTable[2].green, 2);
}

TEST(GifPictureTest, KeepsImageDataWithItsLengthBytes) {
  const Bytes data = Compress(Pattern(40, 4, 7), 2);
  GifBuilder file;
  file.Header(8, 5).Add({0, 0, 8, 5, 0, 2, data, 3}).Trailer();
  GifPicture picture;
  ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
  Bytes expected;
  for (std::size_t start = 0; start < data.size(); start += 3) {
    const std::size_t length = std::min<std::size_t>(3, data.size() - start);
    expected.push_back(static_cast<std::uint8_t>(length));
    expected.insert(expected.end(), data.begin() + start, data.begin() + start + length);
  }
  EXPECT_EQ(picture.Frame(0).data, expected);
  EXPECT_EQ(picture.Frame(0).minCodeSize, 2);
}

struct BrokenCase {
  const char* name;
  Bytes file;
};

Bytes WithSignature(const char* signature) {
  Bytes file = FullFile();
  std::copy(signature, signature + 6, file.begin());
  return file;
}

TEST(GifPictureTest, RefusesBrokenFiles) {
  GifBuilder noImage;
  noImage.Header(4, 2).Control(0x01, 2).Trailer();
  GifBuilder noData;
  noData.Header(4, 2).Add({0, 0, 4, 2, 0, 2, {}, 255}).Trailer();
  GifBuilder noTrailer;
  noTrailer.Header(4, 2).Add({0, 0, 4, 2, 0, 2, {}, 255}, Pattern(8, 4, 1));
  const BrokenCase cases[] = {
      {"empty", {}},
      {"other signature", WithSignature("GIF7 a")},
      {"not a GIF", WithSignature("\x89PNG\r\n")},
      {"no image", noImage.Get()},
      {"image without data", noData.Get()},
      {"no trailer", noTrailer.Get()},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    GifPicture picture;
    EXPECT_FALSE(picture.Load(c.file.data(), c.file.size()));
    EXPECT_EQ(picture.FrameCount(), 0u);
  }
  EXPECT_FALSE(GifPicture().Load(nullptr, 0));
}

TEST(GifPictureTest, RefusesEveryTruncation) {
  const Bytes file = FullFile();
  for (std::size_t size = 0; size < file.size(); ++size) {
    GifPicture picture;
    EXPECT_FALSE(picture.Load(file.data(), size)) << "cut to " << size << " of " << file.size() << " bytes";
    EXPECT_EQ(picture.FrameCount(), 0u);
  }
}

TEST(GifPictureTest, FrameDataLimitCountsLengthBytes) {
  const Bytes compressed = Compress(Pattern(16, 4, 8), 2);
  for (const std::size_t total : {GifPicture::kMaxFrameData, GifPicture::kMaxFrameData + 1}) {
    SCOPED_TRACE(total);
    // Data and sub-block size whose blocks, length bytes included, come to exactly total bytes; the bytes
    // after the compressed image are never read by the decoder.
    int blockSize = 255;
    std::size_t dataSize = 0;
    for (; blockSize > 1; --blockSize) {
      dataSize = total - (total + blockSize) / (blockSize + 1);
      if (dataSize + (dataSize + blockSize - 1) / blockSize == total) break;
    }
    Bytes data = compressed;
    data.resize(dataSize, 0);
    GifBuilder file;
    file.Header(4, 4).Add({0, 0, 4, 4, 0, 2, data, blockSize}).Trailer();
    GifPicture picture;
    const bool loaded = picture.Load(file.Get().data(), file.Get().size());
    if (total == GifPicture::kMaxFrameData) {
      ASSERT_TRUE(loaded);
      EXPECT_EQ(picture.Frame(0).data.size(), total);
    } else {
      EXPECT_FALSE(loaded);
    }
  }
}

struct ControlCase {
  const char* name;
  std::function<void(GifBuilder&)> blocks;  // after the header
  std::vector<int> transparentIndices;      // per frame, in their controls; -1: no control
};

TEST(GifPictureTest, GivesEachImageThePrecedingControl) {
  const Bytes pixels = Pattern(8, 4, 2);
  const GifBuilder::Image image{0, 0, 4, 2, 0, 2, {}, 255};
  const ControlCase cases[] = {
      {"only the first image", [&](GifBuilder& f) { f.Control(1, 1).Add(image, pixels).Add(image, pixels); }, {1, -1}},
      {"each its own",
       [&](GifBuilder& f) { f.Control(1, 1).Add(image, pixels).Control(1, 2).Add(image, pixels); },
       {1, 2}},
      {"the last of two", [&](GifBuilder& f) { f.Control(1, 1).Control(1, 3).Add(image, pixels); }, {3}},
      {"after the last image", [&](GifBuilder& f) { f.Add(image, pixels).Control(1, 1); }, {-1}},
      {"too short",
       [&](GifBuilder& f) {
         f.Extension(0xF9, {1, 0, 0}).Add(image, pixels);
       },
       {-1}},
      {"a delay of 0xFFFF counts as none", [&](GifBuilder& f) { f.Control(1, 1, 0xFFFF).Add(image, pixels); }, {-1}},
      {"across other blocks and stray bytes",
       [&](GifBuilder& f) {
         f.Control(1, 2).Extension(0xFE, {'x'}).Raw({0x00, 0x99}).Add(image, pixels);
       },
       {2}},
  };
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    GifBuilder file;
    file.Header(4, 2);
    c.blocks(file);
    file.Trailer();
    GifPicture picture;
    ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
    ASSERT_EQ(picture.FrameCount(), c.transparentIndices.size());
    for (std::size_t i = 0; i < picture.FrameCount(); ++i) {
      const GifControl& control = picture.Frame(i).control;
      EXPECT_EQ(control.IsNone() ? -1 : control.transparentIndex, c.transparentIndices[i]) << "frame " << i;
    }
  }
}

// ---------------------------------------------------------------------------------------------------------
// Painting and transparent runs

struct TransparencyCase {
  const char* name;
  bool globalTable;
  int background;
  int controlPacked;  // -1: no graphic control extension
  int transparentIndex;
  // The index left out: painting with draw flags 0, painting with draw flag bit 0, building the region.
  int drawn;
  int drawnWithFlag;
  int region;
};

TEST(GifPictureTest, TransparencyRules) {
  const TransparencyCase cases[] = {
      {"no control, global table: background", true, 2, -1, 0, 2, 2, 2},
      {"no control, no global table: none", false, 2, -1, 0, -1, -1, -1},
      {"control with transparency", true, 2, 0x01, 1, 1, 1, 1},
      {"control without transparency ignores background", true, 2, 0x00, 1, -1, -1, -1},
      {"control without transparency, no global table", false, 2, 0x00, 1, -1, -1, -1},
      {"disposal 1", true, 2, 0x05, 3, 3, 3, 3},
      {"disposal 2: opaque while drawing unless asked", true, 2, 0x09, 3, -1, 3, 3},
      {"disposal 2 without transparency", true, 2, 0x08, 3, -1, -1, -1},
      {"disposal 3", true, 2, 0x0D, 0, 0, 0, 0},
  };
  const Bytes pixels{0, 1, 2, 3, 3, 2, 1, 0};
  for (const TransparencyCase& c : cases) {
    SCOPED_TRACE(c.name);
    GifBuilder file;
    file.Header(4, 2, c.globalTable ? 1 : -1, c.background);
    if (c.controlPacked >= 0) file.Control(c.controlPacked, c.transparentIndex);
    file.Add({0, 0, 4, 2, c.globalTable ? 0 : 0x81, 2, {}, 255}, pixels).Trailer();
    GifPicture picture;
    ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
    const GifFrame& frame = picture.Frame(0);

    const std::pair<unsigned, int> paintings[] = {{0u, c.drawn},
                                                  {GifPicture::kDrawRestoredAsTransparent, c.drawnWithFlag}};
    for (const auto& [flags, transparent] : paintings) {
      Canvas canvas;
      EXPECT_EQ(picture.PaintFrame(frame, 0, 0, flags, canvas), GifDecoder::kDone);
      std::vector<Painted> expected;
      for (int i = 0; i < 8; ++i) {
        if (pixels[i] != transparent) expected.push_back({i % 4, i / 4, 0, 0, 0});
      }
      ASSERT_EQ(canvas.pixels.size(), expected.size()) << "draw flags " << flags;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(canvas.pixels[i].x, expected[i].x);
        EXPECT_EQ(canvas.pixels[i].y, expected[i].y);
      }
    }

    std::vector<GifRun> runs;
    EXPECT_EQ(picture.FindTransparentRuns(frame, 0, 0, runs), GifDecoder::kDone);
    std::vector<GifRun> expectedRuns;
    for (int i = 0; i < 8; ++i) {
      if (pixels[i] == c.region) expectedRuns.push_back({i % 4, i / 4, 1});
    }
    EXPECT_EQ(runs, expectedRuns);
  }
}

TEST(GifPictureTest, PaintsInTheFramesColoursAtItsPlacePlusOffset) {
  const Bytes pixels{0, 1, 2, 3, 3, 2};
  for (const bool local : {false, true}) {
    SCOPED_TRACE(local ? "local table" : "global table");
    GifBuilder file;
    file.Header(10, 10, 1, 0).Control(0, 0);
    file.Add({2, 3, 3, 2, local ? 0x81 : 0, 2, {}, 255}, pixels).Trailer();
    GifPicture picture;
    ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
    Canvas canvas;
    picture.PaintFrame(picture.Frame(0), 5, -1, 0, canvas);
    ASSERT_EQ(canvas.pixels.size(), pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      const Painted& p = canvas.pixels[i];
      EXPECT_EQ(p.x, 2 + 5 + static_cast<int>(i % 3));
      EXPECT_EQ(p.y, 3 - 1 + static_cast<int>(i / 3));
      EXPECT_EQ(local ? p.green : p.red, pixels[i]);
      EXPECT_EQ(local ? p.red : p.green, 0);
    }
  }
}

TEST(GifPictureTest, InterlacedImageKeepsItsStoredRowOrder) {
  // Stored row r holds index r % 4; de-interlacing would move stored row 1 (the pass-2 row) to y = 4.
  Bytes pixels;
  for (int row = 0; row < 8; ++row) pixels.insert(pixels.end(), 2, static_cast<std::uint8_t>(row % 4));
  GifBuilder file;
  file.Header(2, 8, 1).Control(0, 0).Add({0, 0, 2, 8, 0x40, 2, {}, 255}, pixels).Trailer();
  GifPicture picture;
  ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
  ASSERT_TRUE(picture.Frame(0).IsInterlaced());
  Canvas canvas;
  picture.PaintFrame(picture.Frame(0), 0, 0, 0, canvas);
  ASSERT_EQ(canvas.pixels.size(), 16u);
  for (const Painted& p : canvas.pixels) EXPECT_EQ(p.red, p.y % 4) << "y " << p.y;
}

TEST(GifPictureTest, FindsTransparentRunsOfSmallPicture) {
  // T marks transparent index 3.
  const std::uint8_t T = 3;
  const Bytes pixels{T, T, 1, T, 2,  //
                     1, 1, 1, 1, 1,  //
                     T, T, T, T, T,  //
                     0, T, 0, T, T};
  GifBuilder file;
  file.Header(20, 20, 1).Control(0x01, T).Add({4, 2, 5, 4, 0, 2, {}, 255}, pixels).Trailer();
  GifPicture picture;
  ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
  std::vector<GifRun> runs;
  EXPECT_EQ(picture.FindTransparentRuns(picture.Frame(0), 10, 1, runs), GifDecoder::kDone);
  const std::vector<GifRun> expected{{14, 3, 2}, {17, 3, 1}, {14, 5, 5}, {15, 6, 1}, {17, 6, 2}};
  EXPECT_EQ(runs, expected);
}

TEST(GifPictureTest, CodeSizeOutside2To9StopsBeforeAnyPixel) {
  for (const int minCodeSize : {0, 1, 10, 255}) {
    SCOPED_TRACE(minCodeSize);
    GifBuilder file;
    file.Header(4, 1, 1).Control(0x01, 0).Add({0, 0, 4, 1, 0, minCodeSize, {0x44, 0x01}, 255}).Trailer();
    GifPicture picture;
    ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
    Canvas canvas;
    EXPECT_EQ(picture.PaintFrame(picture.Frame(0), 0, 0, 0, canvas), GifDecoder::kBadCodeSize);
    EXPECT_TRUE(canvas.pixels.empty());
    std::vector<GifRun> runs;
    EXPECT_EQ(picture.FindTransparentRuns(picture.Frame(0), 0, 0, runs), GifDecoder::kBadCodeSize);
    EXPECT_TRUE(runs.empty());
  }
}

TEST(GifPictureTest, FrameOutsideTheScreenIsPaintedWhereItSays) {
  GifBuilder file;
  file.Header(4, 4, 1).Control(0, 0).Add({65534, 65535, 2, 1, 0, 2, {}, 255}, {1, 2}).Trailer();
  GifPicture picture;
  ASSERT_TRUE(picture.Load(file.Get().data(), file.Get().size()));
  Canvas canvas;
  picture.PaintFrame(picture.Frame(0), 0, 0, 0, canvas);
  ASSERT_EQ(canvas.pixels.size(), 2u);
  EXPECT_EQ(canvas.pixels[1].x, 65535);
  EXPECT_EQ(canvas.pixels[1].y, 65535);
}

// ---------------------------------------------------------------------------------------------------------
// The program's own start-up picture

Bytes ReadStartUpPicture() {
  std::string path = __FILE__;
  path.resize(path.find_last_of("/\\") + 1);
  std::ifstream in(path + "../../resources/art/splash.gif", std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(GifPictureTest, StartUpPictureIsWholeWithHolesOfIndex251) {
  const Bytes file = ReadStartUpPicture();
  ASSERT_FALSE(file.empty()) << "resources/art/splash.gif not found from " << __FILE__;
  GifPicture picture;
  ASSERT_TRUE(picture.Load(file.data(), file.size()));
  EXPECT_EQ(picture.Width(), 204);
  EXPECT_EQ(picture.Height(), 200);
  ASSERT_EQ(picture.FrameCount(), 1u);
  const GifFrame& frame = picture.Frame(0);
  EXPECT_EQ(picture.TransparentIndex(frame, GifUse::Drawing, 0), 251);
  EXPECT_EQ(picture.TransparentIndex(frame, GifUse::Region, 0), 251);

  // Painted pixels and holes together cover the picture once.
  std::vector<int> cover(204 * 200, 0);
  Canvas canvas;
  EXPECT_EQ(picture.PaintFrame(frame, 0, 0, 0, canvas), GifDecoder::kDone);
  for (const Painted& p : canvas.pixels) ++cover[p.y * 204 + p.x];
  std::vector<GifRun> runs;
  EXPECT_EQ(picture.FindTransparentRuns(frame, 0, 0, runs), GifDecoder::kDone);
  EXPECT_FALSE(runs.empty());
  for (const GifRun& run : runs) {
    for (int x = run.x; x < run.x + run.length; ++x) ++cover[run.y * 204 + x];
  }
  EXPECT_EQ(std::count(cover.begin(), cover.end(), 1), 204 * 200);
}

}  // namespace
}  // namespace qiv
