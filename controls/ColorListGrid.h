// The colour list's arithmetic: its named colours, its cells, how keys move its hot cell, and where it opens.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/Desktop.h"

namespace qiv {

// A colour as the system holds it: 0x00BBGGRR.
using ColourValue = std::uint32_t;
// No colour chosen yet (all bits set).
constexpr ColourValue kNoColour = 0xFFFFFFFFu;

struct NamedColour {
  ColourValue colour;
  const char* name;
};

// The grid's 40 colours, row by row.
constexpr int kGridColumns = 10;
constexpr int kGridRows = 4;
constexpr int kGridCellCount = kGridColumns * kGridRows;
extern const std::array<NamedColour, kGridCellCount> kColorListColours;

// Cells are numbered 1..40 for the grid, row by row; 41 is "Other colors..."; -1 is none.
constexpr int kOtherColoursCell = 41;
constexpr int kNoCell = -1;
constexpr int kCellSize = 20;
constexpr int kGridWidth = kGridColumns * kCellSize;
constexpr int kGridHeight = kGridRows * kCellSize;

// The client rectangle of grid cell number (1..40).
Rect GridCellRect(int number);
// The cell under a client position: every position outside the 40 grid cells counts as "Other colors...".
int CellAt(Point client);
// The cell that marks colour when the list opens: none for kNoColour, the first grid cell of that colour, or
// "Other colors..." when the grid has none.
int CurrentCellFor(ColourValue colour);

// What a key of the list does.
enum class ColorListAction {
  None,    // the key moved nothing or only the hot cell
  Press,   // the hot cell is now held (Space went down)
  Choose,  // take the hot cell: a colour, "Other colors..." or, without a hot cell, cancel
  Cancel,
  Default,  // not the list's key: the system's own handling
};

struct ColorListKeyResult {
  int hot;
  bool pressed;
  ColorListAction action;
};

// Key down and key up of a virtual key while the list runs, from its hot cell and whether that is held.
// After a key down the hot cell lies within 1..41, so that the first key on a fresh list makes cell 1 hot.
ColorListKeyResult ColorListKeyDown(int hot, bool pressed, unsigned virtualKey);
ColorListKeyResult ColorListKeyUp(int hot, bool pressed, unsigned virtualKey);

// Where the list opens, in screen coordinates, for a list of the given size under the picker button, in a
// work area that starts at 0,0 and is workWidth x workHeight: below the button, or above it when it would
// reach below the work area, then shifted into the work area. None when it cannot fit.
std::optional<Rect> PlaceColorList(int width, int height, const Rect& button, int workWidth, int workHeight);

}  // namespace qiv
