// Stored panel rectangles against a desktop of two monitors: the primary one at the origin, a second one to its
// left at negative coordinates, each with a taskbar along its bottom.
#include "panel/PanelPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace qiv {
namespace {

constexpr int kCell = 18;
const std::vector<PixelRect> kWorkAreas = {{0, 0, 1280, 994}, {-1024, 0, 0, 738}};
const PixelRect kVirtualScreen{-1024, 0, 1280, 1024};

struct PlacementCase {
  const char* name;
  PixelRect panel;
  bool reachable;
};

class PanelPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PanelPlacement, Reachable) {
  const PlacementCase& c = GetParam();
  EXPECT_EQ(IsPanelReachable(c.panel, kWorkAreas, kVirtualScreen, kCell), c.reachable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanelPlacement,
    ::testing::Values(PlacementCase{"Ordinary", {640, 0, 856, 18}, true},
                      PlacementCase{"OnTheSecondMonitorAtNegativeCoordinates", {-900, 100, -684, 118}, true},
                      PlacementCase{"AcrossBothMonitors", {-100, 300, 116, 318}, true},
                      PlacementCase{"HalfACellOnTheWorkArea", {1271, 500, 1487, 518}, true},
                      PlacementCase{"LessThanHalfACellOnTheWorkArea", {1272, 500, 1488, 518}, false},
                      PlacementCase{"OverTheTaskbarOnly", {640, 1000, 856, 1018}, false},
                      PlacementCase{"BelowTheShorterMonitor", {-900, 800, -684, 818}, false},
                      PlacementCase{"OffEveryMonitor", {100000, 100000, 100216, 100018}, false},
                      PlacementCase{"Absurd", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, false},
                      PlacementCase{"NoWidth", {640, 0, 640, 18}, false},
                      PlacementCase{"UpsideDown", {640, 18, 856, 0}, false},
                      PlacementCase{"WiderThanTheVirtualScreen", {-1024, 0, 1300, 18}, false}),
    [](const ::testing::TestParamInfo<PlacementCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace qiv
