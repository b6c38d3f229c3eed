// The arithmetic of the panel's shape.
#include "panel/PanelGrid.h"

#include <algorithm>
#include <cstdlib>

namespace qiv {
namespace {

// Larger than any distance in pixels.
constexpr int kFarAway = 268435455;

}  // namespace

std::vector<GridShape> QualifyingShapes(int screenCount, bool doubleWidth) {
  const int step = doubleWidth ? 2 : 1;
  const int cellsNeeded = screenCount * step;
  std::vector<GridShape> shapes;
  for (int width = step; width <= cellsNeeded + 2; ++width) {
    if (doubleWidth && width % 2 != 0) continue;
    for (int height = 1; height <= cellsNeeded + 1; ++height) {
      const bool singleRow = height == 1;
      const int columns = singleRow ? width - 2 : width;
      const int rows = singleRow ? 1 : height - 1;
      const int spare = columns * rows - cellsNeeded;
      if (spare >= 0 && spare <= columns && spare <= rows) shapes.push_back({width, height});
    }
  }
  return shapes;
}

GridShape FitPanelToGrid(int requestedWidth, int requestedHeight, int cell, int screenCount, bool doubleWidth) {
  int bestDx = kFarAway;
  int bestDy = kFarAway;
  GridShape best;
  for (const GridShape& shape : QualifyingShapes(screenCount, doubleWidth)) {
    const int dx = std::abs(requestedWidth - shape.widthCells * cell);
    const int dy = std::abs(requestedHeight - shape.heightCells * cell);
    if (dx < bestDx && dy < bestDy) {
      bestDx = dx;
      bestDy = dy;
      best = shape;
    }
  }
  return best;
}

std::optional<PixelRect> EmptyButtonCells(int width, int height, int cell, bool doubleWidth, int screenCount,
                                          int itemWidth, int itemHeight) {
  if (cell <= 0 || height <= cell) return std::nullopt;
  const int step = doubleWidth ? 2 : 1;
  const int rows = height / cell;
  const int slots = (width / (step * cell)) * (rows - 1);
  const int empty = slots - screenCount;
  // More screens than slots happens only for a moment, while a layout is under way.
  if (empty <= 0) return std::nullopt;
  return PixelRect{width - itemWidth, height - itemHeight * empty, width, height};
}

int ScreensThatFit(int workAreaWidth, int cell, bool doubleWidth) {
  const int buttonWidth = cell * (doubleWidth ? 2 : 1);
  if (buttonWidth <= 0) return 1;
  return std::max(1, workAreaWidth / buttonWidth + 3);
}

PixelPoint SnapToWorkArea(PixelPoint corner, int width, int height, const PixelRect& workArea, int distance) {
  if (std::abs(corner.y - workArea.top) < distance) corner.y = workArea.top;
  if (std::abs(corner.x - workArea.left) < distance) corner.x = workArea.left;
  if (std::abs(corner.y + height - workArea.bottom) < distance) corner.y = workArea.bottom - height;
  if (std::abs(corner.x + width - workArea.right) < distance) corner.x = workArea.right - width;
  return corner;
}

}  // namespace qiv
