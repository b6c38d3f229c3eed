// The arithmetic of the panel's shape: the cell grid its size snaps to, the empty button
// cells cut out of its region, and the snapping of a dragged panel to the work area.
#pragma once

#include <optional>
#include <vector>

namespace qiv {

struct GridShape {
  int widthCells = 0;
  int heightCells = 0;
  bool operator==(const GridShape& other) const {
    return widthCells == other.widthCells && heightCells == other.heightCells;
  }
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PixelRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};

// Every shape (in cells) that holds screenCount buttons, in the order they are tried: width
// ascending, then height. Height 1 is a single row whose first two cells hold the menu
// button and the caption; taller shapes have the caption strip as their first row. A shape
// qualifies when its spare cells are no more than one column and no more than one row.
std::vector<GridShape> QualifyingShapes(int screenCount, bool doubleWidth);

// The qualifying shape closest to the requested size in pixels. A later shape replaces an
// earlier one only when it is closer in both directions, so ties keep the first.
GridShape FitPanelToGrid(int requestedWidth, int requestedHeight, int cell, int screenCount, bool doubleWidth);

// The block of empty button cells at the bottom of the last column of a panel of
// width x height pixels, to be cut out of its region; none for a single row or a full grid.
// itemWidth and itemHeight are those of one screen button.
std::optional<PixelRect> EmptyButtonCells(int width, int height, int cell, bool doubleWidth, int screenCount,
                                          int itemWidth, int itemHeight);

// The most screens the Screens page lets a user make: it adds one more as long as the screens beyond the first two
// are no wider together than the work area, so the last one added takes the list one past that. A stored list with
// more is loaded only that far.
int ScreensThatFit(int workAreaWidth, int cell, bool doubleWidth);

// The top-left corner of a panel of width x height dragged to corner, snapped to the work
// area's edges closer than distance pixels: top, left, bottom, then right, each on the
// result of the one before (so the right edge wins over the left).
PixelPoint SnapToWorkArea(PixelPoint corner, int width, int height, const PixelRect& workArea, int distance);

}  // namespace qiv
