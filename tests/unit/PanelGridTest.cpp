// The panel's cell grid, its cut-out region and its snapping to the work area.
#include "panel/PanelGrid.h"

#include <gtest/gtest.h>

#include "settings/ScreenPageRules.h"

namespace qiv {
namespace {

constexpr int kCell = 18;

TEST(PanelGrid, QualifyingShapesForFiveScreens) {
  EXPECT_EQ(QualifyingShapes(5, true), (std::vector<GridShape>{{2, 6}, {2, 7}, {4, 4}, {6, 3}, {10, 2}, {12, 1}}));
  EXPECT_EQ(QualifyingShapes(5, false), (std::vector<GridShape>{{1, 6}, {2, 4}, {3, 3}, {5, 2}, {6, 2}, {7, 1}}));
}

struct FitCase {
  const char* name;
  int width, height;  // requested, in pixels
  bool doubleWidth;
  GridShape expected;
};

class PanelGridFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PanelGridFit, ClosestShapeWins) {
  const FitCase& c = GetParam();
  EXPECT_EQ(FitPanelToGrid(c.width, c.height, kCell, 5, c.doubleWidth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(FiveScreens, PanelGridFit,
                         ::testing::Values(FitCase{"DefaultSingleRow", 12 * kCell, kCell, true, {12, 1}},
                                           FitCase{"NearSingleRow", 12 * kCell + 5, kCell + 4, true, {12, 1}},
                                           FitCase{"Square", 4 * kCell + 3, 4 * kCell - 2, true, {4, 4}},
                                           // 2 x 7 matches exactly, but is not closer in width than 2 x 6.
                                           FitCase{"BothDistancesMustShrink", 2 * kCell, 7 * kCell, true, {2, 6}},
                                           FitCase{"SingleWidthSquare", 3 * kCell, 3 * kCell, false, {3, 3}},
                                           // Closer in width but not in height than the first shape: the first stays.
                                           FitCase{"TieKeepsFirst", 0, 0, true, {2, 6}},
                                           FitCase{"HugeRequest", 5000, 5000, false, {1, 6}}),
                         [](const ::testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

TEST(PanelGrid, EmptyCellsAreCutFromTheLastColumn) {
  // 5 single-width screens in 3 columns of 2 button rows: one empty cell, bottom right.
  EXPECT_EQ(EmptyButtonCells(3 * kCell, 3 * kCell, kCell, false, 5, kCell, kCell),
            (PixelRect{2 * kCell, 2 * kCell, 3 * kCell, 3 * kCell}));
  // Two empty cells of a double-width column: the lower two of the last column.
  EXPECT_EQ(EmptyButtonCells(4 * kCell, 4 * kCell, kCell, true, 4, 2 * kCell, kCell),
            (PixelRect{2 * kCell, 2 * kCell, 4 * kCell, 4 * kCell}));
}

TEST(PanelGrid, NothingIsCutFromAFullGridOrASingleRow) {
  EXPECT_EQ(EmptyButtonCells(12 * kCell, kCell, kCell, true, 5, 2 * kCell, kCell), std::nullopt);
  EXPECT_EQ(EmptyButtonCells(5 * kCell, 2 * kCell, kCell, false, 5, kCell, kCell), std::nullopt);
  EXPECT_EQ(EmptyButtonCells(2 * kCell, 2 * kCell, kCell, false, 5, kCell, kCell), std::nullopt)
      << "more screens than slots: no cut";
}

TEST(PanelGrid, SnapsWithinTheDistanceOnly) {
  const PixelRect workArea{0, 0, 1280, 1000};
  const int distance = 10;
  struct Case {
    PixelPoint dragged;
    PixelPoint expected;
  } cases[] = {
      {{300, 9}, {300, 0}},                        // 9 pixels from the top snaps
      {{300, 10}, {300, 10}},                      // 10 do not
      {{300, -9}, {300, 0}},                       // above the top too
      {{5, 300}, {0, 300}},                        // left edge
      {{300, 1000 - 36 - 3}, {300, 1000 - 36}},    // bottom edge, panel 36 high
      {{1280 - 200 + 4, 300}, {1280 - 200, 300}},  // right edge, panel 200 wide
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SnapToWorkArea(c.dragged, 200, 36, workArea, distance), c.expected)
        << "dragged to " << c.dragged.x << "," << c.dragged.y;
  }
}

TEST(PanelGrid, RightEdgeWinsForAPanelAsWideAsTheWorkArea) {
  const PixelRect workArea{0, 0, 1280, 1000};
  EXPECT_EQ(SnapToWorkArea({3, 300}, 1275, 36, workArea, 10), (PixelPoint{5, 300}));
}

// Every list the Screens page can make loads whole; a longer one stops where that page would have refused.
TEST(PanelGrid, ScreensThatFitAreThoseTheScreensPageAllows) {
  struct Case {
    int width, cell;
    bool doubleWidth;
    int expected;
  } cases[] = {
      {1280, 20, true, 35},  // (34 - 2) x 40 = 1280 fits: a 35th is added, a 36th is not
      {1290, 20, true, 35},
      {1280, 20, false, 67},
      {1280, 0, true, 1},  // no cell size yet
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScreensThatFit(c.width, c.cell, c.doubleWidth), c.expected)
        << c.width << " cell " << c.cell << (c.doubleWidth ? " double" : " single");
    if (c.cell == 0) continue;
    // The page's own rule: the list before the last one added still took another, the full one takes none.
    EXPECT_TRUE(ScreenAddFits(c.expected - 1, c.width, c.cell, c.doubleWidth)) << c.width;
    EXPECT_FALSE(ScreenAddFits(c.expected, c.width, c.cell, c.doubleWidth)) << c.width;
  }
}

}  // namespace
}  // namespace qiv
