// Where the application list opens beside a screen button, and how large it gets.
#include "applist/AppListGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace qiv {
namespace {

constexpr Rect kWorkArea{0, 0, 1280, 1000};

struct PlacementCase {
  const char* name;
  Rect panel;
  Rect button;
  int width, height;  // of the list
  Point expected;
};

class AppListPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(AppListPlacement, OpensBesideTheButtonInsideTheWorkArea) {
  const PlacementCase& c = GetParam();
  const Point corner = PlaceAppList(kWorkArea, c.panel, c.button, c.width, c.height);
  EXPECT_EQ(corner.x, c.expected.x);
  EXPECT_EQ(corner.y, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AppListPlacement,
    ::testing::Values(
        // A one-row panel at the top: below the button, left-aligned with it.
        PlacementCase{"Below", {400, 0, 700, 20}, {450, 0, 480, 20}, 200, 300, {450, 20}},
        // At the bottom it does not fit below; the button's top is the panel's top: above, bottom on the button.
        PlacementCase{"Above", {400, 980, 700, 1000}, {450, 980, 480, 1000}, 200, 300, {450, 680}},
        // Fitting below needs room to spare: exactly touching the work area's bottom is not enough.
        PlacementCase{"BelowNeedsRoomToSpare", {400, 680, 700, 700}, {450, 680, 480, 700}, 200, 300, {450, 380}},
        // A one-column panel at the left edge of the work area.
        PlacementCase{"Right", {0, 300, 20, 700}, {0, 400, 20, 420}, 200, 300, {20, 400}},
        PlacementCase{"Left", {1260, 300, 1280, 700}, {1260, 400, 1280, 420}, 200, 300, {1060, 400}},
        // A button inside a three-row panel lies on no edge of it: the side with the most room.
        PlacementCase{"MostRoomBelow", {400, 300, 700, 360}, {450, 320, 480, 340}, 200, 300, {450, 360}},
        PlacementCase{"MostRoomRight", {100, 300, 400, 360}, {150, 320, 180, 340}, 200, 300, {400, 320}},
        // As much room below as above: the earlier side keeps it.
        PlacementCase{"TieKeepsBelow", {340, 480, 940, 520}, {450, 490, 480, 510}, 200, 300, {450, 520}},
        // As much room left as right, more than below and above: left, the earlier of the two.
        PlacementCase{"TieKeepsLeft", {500, 100, 780, 900}, {600, 400, 630, 420}, 200, 300, {300, 400}},
        // The panel covers the work area: no side has room.
        PlacementCase{"NoRoom", {0, 0, 1280, 1000}, {600, 400, 630, 420}, 200, 300, {0, 0}},
        // Past the right edge: right-aligned with the button instead.
        PlacementCase{"ClampedToTheRightEdge", {1000, 0, 1280, 20}, {1250, 0, 1280, 20}, 200, 300, {1080, 20}},
        // Wider than the room left of the button's right edge: at the work area's left edge.
        PlacementCase{"ClampedToTheLeftEdge", {1000, 0, 1280, 20}, {1250, 0, 1280, 20}, 1400, 300, {0, 20}},
        // Past the bottom: bottom-aligned with the button.
        PlacementCase{"ClampedToTheBottomEdge", {0, 300, 20, 980}, {0, 940, 20, 960}, 200, 300, {20, 660}},
        PlacementCase{"ClampedToTheTopEdge", {0, 300, 20, 980}, {0, 940, 20, 960}, 200, 1200, {20, 0}}),
    [](const ::testing::TestParamInfo<PlacementCase>& param) { return std::string(param.param.name); });

TEST(AppListSize, ShowsAtMostTenRows) {
  EXPECT_EQ(AppListVisibleRows(25), 10);
  EXPECT_EQ(AppListVisibleRows(10), 10);
  EXPECT_EQ(AppListVisibleRows(3), 3);
  EXPECT_EQ(AppListVisibleRows(1), 1);
}

TEST(AppListSize, ColumnIsAsWideAsTheWidestItemButNoWiderThanAtTheStart) {
  EXPECT_EQ(AppListColumnWidth({120, 80, 200}, 300), 200);
  EXPECT_EQ(AppListColumnWidth({120, 2000, 200}, 300), 300);
  EXPECT_EQ(AppListColumnWidth({}, 300), 0);
}

}  // namespace
}  // namespace qiv
