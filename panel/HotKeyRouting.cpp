// What a key press reported by the keyboard hook does on the panel.
#include "panel/HotKeyRouting.h"

#include <algorithm>

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

std::vector<InterceptedHotKey> HotKeysToIntercept(bool locked, const HotKey& nextScreen, const HotKey& previousScreen,
                                                  const std::vector<HotKey>& screenKeys) {
  std::vector<HotKey> candidates = {nextScreen, previousScreen};
  candidates.insert(candidates.end(), screenKeys.begin(), screenKeys.end());
  std::vector<InterceptedHotKey> intercepted;
  for (const HotKey& key : candidates) {
    if (key.key == 0) continue;
    const bool listed = std::any_of(intercepted.begin(), intercepted.end(),
                                    [&](const InterceptedHotKey& entry) { return entry.key == key; });
    if (listed) continue;
    // Which screen it selects depends on the screen current when it is pressed; whether it does, and its answer,
    // do not.
    const HotKeyDecision decision = RouteHotKey(key, locked, nextScreen, previousScreen, screenKeys, 0);
    if (decision.screenToSelect >= 0) intercepted.push_back({key, decision.swallow});
  }
  return intercepted;
}

}  // namespace qiv
