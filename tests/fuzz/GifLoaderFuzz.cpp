// Fuzz target of the GIF reader and decoder: any bytes must load or be refused, and decode within the frame.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
      if (run.length <= 0 || run.x < frame.left || run.x + run.length > frame.left + frame.width || run.y < frame.top ||
          run.y >= frame.top + frame.height) {
        std::abort();
      }
    }
  }
  return 0;
}
