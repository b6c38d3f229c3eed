// Whether a stored panel rectangle leaves the user a panel to grab.
#include "panel/PanelPlacement.h"

#include <algorithm>
#include <cstdint>

namespace qiv {
namespace {

// Stored coordinates may be anything, INT_MIN and INT_MAX included: no difference may overflow.
std::int64_t Extent(int from, int to) { return static_cast<std::int64_t>(to) - from; }

std::int64_t Overlap(int from, int to, int areaFrom, int areaTo) {
  return Extent(std::max(from, areaFrom), std::min(to, areaTo));
}

}  // namespace

bool IsPanelReachable(const PixelRect& panel, const std::vector<PixelRect>& workAreas, const PixelRect& virtualScreen,
                      int cell) {
  const std::int64_t width = Extent(panel.left, panel.right);
  const std::int64_t height = Extent(panel.top, panel.bottom);
  if (width <= 0 || height <= 0) return false;
  if (width > Extent(virtualScreen.left, virtualScreen.right) ||
      height > Extent(virtualScreen.top, virtualScreen.bottom)) {
    return false;
  }
  const std::int64_t neededWidth = std::max<std::int64_t>(1, std::min<std::int64_t>(cell, width) / 2);
  const std::int64_t neededHeight = std::max<std::int64_t>(1, std::min<std::int64_t>(cell, height) / 2);
  return std::any_of(workAreas.begin(), workAreas.end(), [&](const PixelRect& area) {
    return Overlap(panel.left, panel.right, area.left, area.right) >= neededWidth &&
           Overlap(panel.top, panel.bottom, area.top, area.bottom) >= neededHeight;
  });
}

}  // namespace qiv
