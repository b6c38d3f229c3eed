// What a key press reported by the keyboard hook does on the panel.
#pragma once

#include <vector>

#include "engine/HotKey.h"

namespace qiv {

struct HotKeyDecision {
  int screenToSelect = -1;  // -1: no switch
  bool swallow = false;     // the reply: true keeps the key from the application
};

// Locked: nothing. The next and previous keys wrap around and let the key through; a
// screen's own key (the first screen in list order that has it) is swallowed.
HotKeyDecision RouteHotKey(const HotKey& pressed, bool locked, const HotKey& nextScreen, const HotKey& previousScreen,
                           const std::vector<HotKey>& screenKeys, int currentScreen);

struct InterceptedHotKey {
  HotKey key;
  bool swallow = false;
  bool operator==(const InterceptedHotKey& other) const { return key == other.key && swallow == other.swallow; }
};

// The keys the keyboard hook decides about without asking the panel: each key that switches screens, once, with
// the answer RouteHotKey gives it. None while locked.
std::vector<InterceptedHotKey> HotKeysToIntercept(bool locked, const HotKey& nextScreen, const HotKey& previousScreen,
                                                  const std::vector<HotKey>& screenKeys);

}  // namespace qiv
