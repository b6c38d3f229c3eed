// A GIF picture from the program's resources, painted with SetPixel and cut into window regions.
#include "controls/GdiGifPicture.h"

#include <cstdio>

#include "framework/GdiObjects.h"
#include "framework/Program.h"

namespace qiv {
namespace {

constexpr char kPictureResourceType[] = "PICTURE";

class DcPixelTarget final : public GifPixelTarget {
 public:
  explicit DcPixelTarget(HDC dc) : dc_(dc) {}

  void SetPixel(int x, int y, GifColour colour) override {
    ::SetPixel(dc_, x, y, RGB(colour.red, colour.green, colour.blue));
  }

 private:
  HDC dc_;
};

}  // namespace

bool GdiGifPicture::Load(UINT resourceId) {
  regions_.clear();
  // The picture is stored under a name made of its number, not under the number itself.
  char name[16];
  std::snprintf(name, sizeof name, "#%u", resourceId);
  const HINSTANCE instance = ProgramInstance();
  const HRSRC resource = ::FindResourceA(instance, name, kPictureResourceType);
  if (!resource) return false;
  const HGLOBAL loaded = ::LoadResource(instance, resource);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return false;
  // Resources are mapped with the module and never freed.
  if (!picture_.Load(static_cast<const std::uint8_t*>(bytes), ::SizeofResource(instance, resource))) return false;
  regions_.resize(picture_.FrameCount());
  return true;
}

void GdiGifPicture::DrawFrame(HDC dc, std::size_t index, int x, int y, unsigned drawFlags) const {
  if (index >= picture_.FrameCount()) return;
  DcPixelTarget target(dc);
  picture_.PaintFrame(picture_.Frame(index), x, y, drawFlags, target);
}

UniqueRegion GdiGifPicture::FrameRegion(std::size_t index, int x, int y) {
  if (index >= regions_.size()) return UniqueRegion();
  CachedRegion& cached = regions_[index];
  if (!cached.region || cached.x != x || cached.y != y) {
    cached.region = BuildRegion(picture_.Frame(index), x, y);
    cached.x = x;
    cached.y = y;
  }
  if (!cached.region) return UniqueRegion();
  UniqueRegion copy = MakeRectRegion(RECT{});
  if (copy && ::CombineRgn(copy.Get(), cached.region.Get(), nullptr, RGN_COPY) == ERROR) copy.Reset();
  return copy;
}

UniqueRegion GdiGifPicture::BuildRegion(const GifFrame& frame, int x, int y) const {
  const int left = frame.left + x;
  const int top = frame.top + y;
  UniqueRegion region = MakeRectRegion(RECT{left, top, left + frame.width, top + frame.height});
  if (!region) return region;
  std::vector<GifRun> runs;
  picture_.FindTransparentRuns(frame, x, y, runs);
  if (runs.empty()) return region;
  // One hole region moved from run to run instead of a new one for each.
  UniqueRegion hole = MakeRectRegion(RECT{});
  if (!hole) return region;
  for (const GifRun& run : runs) {
    ::SetRectRgn(hole.Get(), run.x, run.y, run.x + run.length, run.y + 1);
    ::CombineRgn(region.Get(), region.Get(), hole.Get(), RGN_DIFF);
  }
  return region;
}

}  // namespace qiv
