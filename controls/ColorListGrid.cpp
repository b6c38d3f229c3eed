// The colour list's arithmetic: its named colours, its cells, how keys move its hot cell, and where it opens.
#include "controls/ColorListGrid.h"

#include <algorithm>

namespace qiv {
namespace {

constexpr ColourValue Rgb(unsigned red, unsigned green, unsigned blue) { return red | (green << 8) | (blue << 16); }

// The system's virtual-key codes of the keys the list knows.
constexpr unsigned kKeyEnter = 0x0D;
constexpr unsigned kKeyEscape = 0x1B;
constexpr unsigned kKeySpace = 0x20;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;

int ClampHot(int hot) { return std::clamp(hot, 1, kOtherColoursCell); }

}  // namespace

// The trailing blank of "Pale green " is part of the name the tooltip shows.
const std::array<NamedColour, kGridCellCount> kColorListColours = {{
    {Rgb(0, 64, 64), "Dark Olive Green"},
    {Rgb(0, 85, 0), "Dark Green"},
    {Rgb(0, 147, 0), "Green"},
    {Rgb(60, 179, 113), "Sea green"},
    {Rgb(50, 205, 50), "Lime"},
    {Rgb(152, 251, 152), "Pale green "},
    {Rgb(0, 255, 0), "Bright green"},
    {Rgb(255, 173, 91), "Light orange"},
    {Rgb(255, 215, 0), "Gold"},
    {Rgb(255, 255, 0), "Yellow"},
    {Rgb(0, 0, 94), "Dark Teal"},
    {Rgb(0, 0, 139), "Dark blue"},
    {Rgb(75, 0, 130), "Indigo"},
    {Rgb(0, 0, 255), "Blue"},
    {Rgb(104, 131, 139), "Pale blue"},
    {Rgb(125, 158, 192), "Light blue"},
    {Rgb(192, 255, 255), "Skyblue"},
    {Rgb(175, 238, 238), "Pale turquoise"},
    {Rgb(64, 224, 208), "Turquoise"},
    {Rgb(127, 255, 212), "Aqua"},
    {Rgb(72, 0, 72), "Plum"},
    {Rgb(165, 42, 42), "Brown"},
    {Rgb(139, 0, 0), "Dark red"},
    {Rgb(255, 0, 0), "Red"},
    {Rgb(255, 104, 32), "Orange"},
    {Rgb(255, 192, 203), "Pink"},
    {Rgb(255, 228, 225), "Rose"},
    {Rgb(255, 255, 224), "Light yellow"},
    {Rgb(139, 139, 0), "Dark yellow"},
    {Rgb(210, 180, 140), "Tan"},
    {Rgb(123, 123, 192), "Blue/Gray"},
    {Rgb(128, 0, 128), "Violet"},
    {Rgb(230, 230, 250), "Lavender"},
    {Rgb(255, 255, 255), "White"},
    {Rgb(220, 220, 220), "Super light gray"},
    {Rgb(192, 192, 192), "Light gray"},
    {Rgb(163, 163, 163), "Gray"},
    {Rgb(102, 102, 102), "Dark gray"},
    {Rgb(40, 40, 40), "Super dark gray"},
    {Rgb(0, 0, 0), "Black"},
}};

Rect GridCellRect(int number) {
  const int index = number - 1;
  const int left = kCellSize * (index % kGridColumns);
  const int top = kCellSize * (index / kGridColumns);
  return {left, top, left + kCellSize, top + kCellSize};
}

int CellAt(Point client) {
  if (client.x < 0 || client.y < 0 || client.x >= kGridWidth || client.y >= kGridHeight) return kOtherColoursCell;
  return 1 + client.y / kCellSize * kGridColumns + client.x / kCellSize;
}

int CurrentCellFor(ColourValue colour) {
  if (colour == kNoColour) return kNoCell;
  const auto found = std::find_if(kColorListColours.begin(), kColorListColours.end(),
                                  [colour](const NamedColour& entry) { return entry.colour == colour; });
  return found == kColorListColours.end() ? kOtherColoursCell : 1 + static_cast<int>(found - kColorListColours.begin());
}

ColorListKeyResult ColorListKeyDown(int hot, bool pressed, unsigned virtualKey) {
  // Enter takes the hot cell as it is: without one it cancels.
  if (virtualKey == kKeyEnter) return {hot, pressed, ColorListAction::Choose};
  ColorListKeyResult result{hot, pressed, ColorListAction::None};
  switch (virtualKey) {
    case kKeySpace:
      if (!pressed && hot != kNoCell) result = {hot, true, ColorListAction::Press};
      break;
    case kKeyRight: result.hot = hot + 1; break;
    case kKeyLeft: result.hot = hot - 1; break;
    case kKeyDown: result.hot = hot + kGridColumns; break;
    case kKeyUp:
      if (hot > kGridColumns - 1) result.hot = hot - kGridColumns;
      break;
    default: break;
  }
  // Every other key down lands on a cell as well: the first key on a fresh list shows where the cursor is.
  result.hot = ClampHot(result.hot);
  return result;
}

ColorListKeyResult ColorListKeyUp(int hot, bool pressed, unsigned virtualKey) {
  switch (virtualKey) {
    case kKeySpace: return {hot, pressed, ColorListAction::Choose};
    case kKeyEscape: return {hot, pressed, ColorListAction::Cancel};
    default: return {hot, pressed, ColorListAction::Default};
  }
}

std::optional<Rect> PlaceColorList(int width, int height, const Rect& button, int workWidth, int workHeight) {
  if (width > workWidth || height > workHeight) return std::nullopt;
  Rect place{button.left, button.bottom, button.left + width, button.bottom + height};
  if (height + button.bottom > workHeight) {
    place.top = button.top - height;
    place.bottom = button.top;
    if (place.top < 0) return std::nullopt;
  }
  int dx = 0;
  if (place.left < 0) {
    dx = -place.left;
  } else if (place.right > workWidth) {
    dx = workWidth - place.right;
  }
  int dy = 0;
  if (place.top < 0) {
    dy = -place.top;
  } else if (place.bottom > workHeight) {
    dy = workHeight - place.bottom;
  }
  return Rect{place.left + dx, place.top + dy, place.right + dx, place.bottom + dy};
}

}  // namespace qiv
