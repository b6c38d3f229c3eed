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

}  // namespace qiv
