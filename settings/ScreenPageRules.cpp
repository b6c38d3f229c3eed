// The Screens page's rules that need no window.
#include "settings/ScreenPageRules.h"

namespace qiv {

bool ScreenAddFits(int count, int workAreaWidth, int captionHeight, bool doubleWidth) {
  // In 64 bits: a stored list of many screens must not wrap round into a fit.
  const long long needed = static_cast<long long>(count - 2) * captionHeight * (doubleWidth ? 2 : 1);
  return needed <= workAreaWidth;
}

std::string NewScreenName(int count) { return "Screen N " + std::to_string(count + 1); }

int SelectionAfterRemove(int removed, int remaining) {
  if (remaining <= 0) return -1;
  return removed < remaining ? removed : remaining - 1;
}

ScreenButtonStates ScreenButtonStatesFor(int selection, int count) {
  const bool selected = selection >= 0 && selection < count;
  return {selected, selected, selected, selected && selection > 0, selected && selection < count - 1};
}

ButtonLook AfterContentClicked(ButtonLook look) {
  if (look.icon && look.number && !look.doubleWidth) look.doubleWidth = true;
  return look;
}

ButtonLook AfterDoubleWidthClicked(ButtonLook look) {
  if (!look.doubleWidth && look.icon && look.number) look.number = false;
  return look;
}

}  // namespace qiv
