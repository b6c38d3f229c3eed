// Fuzz target of the GIF reader and decoder: any bytes must load or be refused, and decode within the frame.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "controls/GifPicture.h"

namespace {

// Every pixel has to land inside the frame's rectangle; anything else is a decoder fault.
class BoundsCheckingTarget final : public qiv::GifPixelTarget {
 public:
  explicit BoundsCheckingTarget(const qiv::GifFrame& frame) : frame_(frame) {}

  void SetPixel(int x, int y, qiv::GifColour) override {
    if (x < frame_.left || x >= frame_.left + frame_.width || y < frame_.top || y >= frame_.top + frame_.height) {
      std::abort();
    }
  }

 private:
  const qiv::GifFrame& frame_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qiv::GifPicture picture;
  if (!picture.Load(data, size)) return 0;
  for (std::size_t i = 0; i < picture.FrameCount(); ++i) {
    const qiv::GifFrame& frame = picture.Frame(i);
    BoundsCheckingTarget target(frame);
    picture.PaintFrame(frame, 0, 0, 0, target);
    picture.PaintFrame(frame, 0, 0, qiv::GifPicture::kDrawRestoredAsTransparent, target);
    std::vector<qiv::GifRun> runs;
    picture.FindTransparentRuns(frame, 0, 0, runs);
    for (const qiv::GifRun& run : runs) {
      if (run.length <= 0 || run.x < frame.left || run.x + run.length > frame.left + frame.width ||
          run.y < frame.top || run.y >= frame.top + frame.height) {
        std::abort();
      }
    }
  }
  return 0;
}

#ifndef QIV_LIBFUZZER
// Without libFuzzer: replays every file of the folders (or the files) named on the command line.
namespace {

bool Replay(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << path << '\n';
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  bool ok = argc > 1;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    if (std::filesystem::is_directory(argv[i], error)) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i], error)) {
        if (!entry.is_regular_file()) continue;
        ok = Replay(entry.path()) && ok;
        ++replayed;
      }
      if (error) ok = false;
    } else {
      ok = Replay(argv[i]) && ok;
      ++replayed;
    }
  }
  std::cout << replayed << " inputs replayed\n";
  return ok && replayed > 0 ? 0 : 1;
}
#endif
