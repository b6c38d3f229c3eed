// The colour list's arithmetic: its colour table, cell lookup, keys and where it opens.
#include "controls/ColorListGrid.h"

#include <gtest/gtest.h>

#include <string>

namespace qiv {
namespace {

constexpr unsigned kEnter = 0x0D;
constexpr unsigned kEscape = 0x1B;
constexpr unsigned kSpace = 0x20;
constexpr unsigned kLeft = 0x25;
constexpr unsigned kUp = 0x26;
constexpr unsigned kRight = 0x27;
constexpr unsigned kDown = 0x28;
constexpr unsigned kLetterA = 0x41;

TEST(ColorListGridTest, TableKeepsItsOrderAndNames) {
  EXPECT_STREQ(kColorListColours[0].name, "Dark Olive Green");
  EXPECT_EQ(kColorListColours[0].colour, 0x00404000u) << "0, 64, 64 as 0x00BBGGRR";
  EXPECT_EQ(std::string(kColorListColours[5].name), "Pale green ") << "the trailing blank is part of the name";
  EXPECT_EQ(kColorListColours[24].colour, 0x002068FFu) << "Orange: 255, 104, 32";
  EXPECT_STREQ(kColorListColours[39].name, "Black");
}

TEST(ColorListGridTest, CellLookup) {
  struct Case {
    const char* name;
    Point position;
    int cell;
  } const cases[] = {
      {"top-left corner", {0, 0}, 1},
      {"last pixel of the first cell", {19, 19}, 1},
      {"second column", {20, 0}, 2},
      {"end of the first row", {199, 5}, 10},
      {"second row", {0, 20}, 11},
      {"bottom-right cell", {199, 79}, 40},
      {"the Other colors cell below the grid", {50, 85}, kOtherColoursCell},
      {"right of the grid", {200, 10}, kOtherColoursCell},
      {"left of the popup, under the capture", {-1, 10}, kOtherColoursCell},
      {"above the popup", {10, -30}, kOtherColoursCell},
  };
  for (const Case& c : cases) EXPECT_EQ(CellAt(c.position), c.cell) << c.name;
  const Rect cell12 = GridCellRect(12);
  EXPECT_EQ(cell12, (Rect{20, 20, 40, 40}));
}

TEST(ColorListGridTest, CurrentCellOfTheEntryColour) {
  EXPECT_EQ(CurrentCellFor(kNoColour), kNoCell);
  EXPECT_EQ(CurrentCellFor(0x00000000u), 40) << "black";
  EXPECT_EQ(CurrentCellFor(0x00A3A3A3u), 37) << "the default empty-screen colour is Gray";
  EXPECT_EQ(CurrentCellFor(0x00123456u), kOtherColoursCell) << "a colour the grid does not have";
}

TEST(ColorListGridTest, KeyDownMovesTheHotCellWithin1To41) {
  struct Case {
    const char* name;
    int hot;
    unsigned key;
    int expectedHot;
  } const cases[] = {
      {"Right on a fresh list", kNoCell, kRight, 1},
      {"Left on a fresh list", kNoCell, kLeft, 1},
      {"Down on a fresh list", kNoCell, kDown, 9},
      {"any other key on a fresh list", kNoCell, kLetterA, 1},
      {"Right", 5, kRight, 6},
      {"Right from the last grid cell", 40, kRight, kOtherColoursCell},
      {"Right from Other colors", kOtherColoursCell, kRight, kOtherColoursCell},
      {"Left from the first cell", 1, kLeft, 1},
      {"Up in the first row", 5, kUp, 5},
      {"Up from cell 10 lands on cell 1", 10, kUp, 1},
      {"Up in the second row", 15, kUp, 5},
      {"Down", 5, kDown, 15},
      {"Down from the last row", 35, kDown, kOtherColoursCell},
      {"Up from Other colors", kOtherColoursCell, kUp, 31},
      {"another key", 17, kLetterA, 17},
  };
  for (const Case& c : cases) {
    const ColorListKeyResult result = ColorListKeyDown(c.hot, false, c.key);
    EXPECT_EQ(result.hot, c.expectedHot) << c.name;
    EXPECT_EQ(result.action, ColorListAction::None) << c.name;
  }
}

TEST(ColorListGridTest, EnterSpaceAndEscape) {
  const ColorListKeyResult enter = ColorListKeyDown(kNoCell, false, kEnter);
  EXPECT_EQ(enter.action, ColorListAction::Choose);
  EXPECT_EQ(enter.hot, kNoCell) << "Enter on a fresh list cancels, so the hot cell stays none";

  const ColorListKeyResult spaceDown = ColorListKeyDown(7, false, kSpace);
  EXPECT_EQ(spaceDown.action, ColorListAction::Press);
  EXPECT_TRUE(spaceDown.pressed);
  EXPECT_EQ(ColorListKeyDown(7, true, kSpace).action, ColorListAction::None) << "a repeat holds nothing new";
  EXPECT_FALSE(ColorListKeyDown(kNoCell, false, kSpace).pressed) << "nothing to hold without a hot cell";
  EXPECT_EQ(ColorListKeyUp(7, true, kSpace).action, ColorListAction::Choose);

  EXPECT_EQ(ColorListKeyDown(7, false, kEscape).action, ColorListAction::None) << "Escape acts when released";
  EXPECT_EQ(ColorListKeyUp(7, false, kEscape).action, ColorListAction::Cancel);
  EXPECT_EQ(ColorListKeyUp(7, false, kRight).action, ColorListAction::Default);
  EXPECT_EQ(ColorListKeyUp(7, false, kEnter).action, ColorListAction::Default);
}

TEST(ColorListGridTest, Placement) {
  constexpr int kWidth = 206;
  constexpr int kHeight = 110;
  struct Case {
    const char* name;
    Rect button;
    int workWidth;
    int workHeight;
    std::optional<Rect> place;
  } const cases[] = {
      {"below the button", {100, 200, 200, 220}, 1280, 1000, Rect{100, 220, 306, 330}},
      {"above the button near the bottom", {100, 900, 200, 920}, 1280, 1000, Rect{100, 790, 306, 900}},
      {"shifted left at the right edge", {1200, 200, 1270, 220}, 1280, 1000, Rect{1074, 220, 1280, 330}},
      {"shifted right past the left edge", {-50, 200, 50, 220}, 1280, 1000, Rect{0, 220, 206, 330}},
      {"refused: wider than the work area", {0, 0, 10, 10}, 200, 1000, std::nullopt},
      {"refused: higher than the work area", {0, 0, 10, 10}, 1280, 100, std::nullopt},
      {"refused: no room above either", {0, 60, 10, 80}, 1280, 150, std::nullopt},
      {"exactly the work area's size", {0, -20, 10, 0}, kWidth, kHeight, Rect{0, 0, kWidth, kHeight}},
  };
  for (const Case& c : cases) {
    const std::optional<Rect> place = PlaceColorList(kWidth, kHeight, c.button, c.workWidth, c.workHeight);
    ASSERT_EQ(place.has_value(), c.place.has_value()) << c.name;
    if (place) {
      EXPECT_EQ(*place, *c.place) << c.name;
    }
  }
}

}  // namespace
}  // namespace qiv
