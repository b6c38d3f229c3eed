// What a key press reported by the keyboard hook does on the panel.
#include "panel/HotKeyRouting.h"

namespace qiv {

HotKeyDecision RouteHotKey(const HotKey& pressed, bool locked, const HotKey& nextScreen, const HotKey& previousScreen,
                           const std::vector<HotKey>& screenKeys, int currentScreen) {
  const int count = static_cast<int>(screenKeys.size());
  if (locked || count == 0) return {};
  if (pressed == nextScreen) return {currentScreen < count - 1 ? currentScreen + 1 : 0, false};
  if (pressed == previousScreen) return {currentScreen > 0 ? currentScreen - 1 : count - 1, false};
  for (int i = 0; i < count; ++i) {
    if (screenKeys[i] == pressed) return {i, true};
  }
  return {};
}

}  // namespace qiv
