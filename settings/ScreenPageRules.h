// The Screens page's rules that need no window: whether another screen fits on the panel, what is selected after
// a removal, which buttons a selection enables, and how the button-content check boxes hold each other.
#pragma once

#include <cstdint>
#include <string>

namespace qiv {

// A screen added on the page has built-in icon 4 and no hot key.
constexpr std::int32_t kNewScreenIconIndex = 4;

// One more screen fits while the screens beyond the first two, each a caption height wide (two with double-width
// buttons), are no wider together than the work area.
bool ScreenAddFits(int count, int workAreaWidth, int captionHeight, bool doubleWidth);

// The name of a screen added to a list of count screens.
std::string NewScreenName(int count);

// After the screen at removed went and remaining are left: the same place, or the new last one; -1 when none is
// left.
int SelectionAfterRemove(int removed, int remaining);

struct ScreenButtonStates {
  bool remove = false;
  bool rename = false;
  bool changeIcon = false;
  bool moveLeft = false;
  bool moveRight = false;
  bool operator==(const ScreenButtonStates& other) const {
    return remove == other.remove && rename == other.rename && changeIcon == other.changeIcon &&
           moveLeft == other.moveLeft && moveRight == other.moveRight;
  }
};

// selection: the selected item or -1.
ScreenButtonStates ScreenButtonStatesFor(int selection, int count);

// What a screen button shows. A single-width button has no room for both the icon and the number.
struct ButtonLook {
  bool doubleWidth = false;
  bool icon = false;
  bool number = false;
  bool operator==(const ButtonLook& other) const {
    return doubleWidth == other.doubleWidth && icon == other.icon && number == other.number;
  }
};

// After "Icon" or "Screen number" was clicked: both on make the button double width.
ButtonLook AfterContentClicked(ButtonLook look);
// After "Screen button double width" was clicked: single width with both on gives up the number.
ButtonLook AfterDoubleWidthClicked(ButtonLook look);

}  // namespace qiv
