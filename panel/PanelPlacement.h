// Whether a stored panel rectangle leaves the user a panel to grab: a monitor unplugged, a resolution lowered or a
// hand-edited value can put it where no mouse reaches.
#pragma once

#include <vector>

#include "panel/PanelGrid.h"

namespace qiv {

// True when the rectangle has a positive size no larger than the virtual screen, and at least half a cell of it
// (or half of the panel, when it is smaller) lies, in both directions, on one monitor's work area.
bool IsPanelReachable(const PixelRect& panel, const std::vector<PixelRect>& workAreas, const PixelRect& virtualScreen,
                      int cell);

}  // namespace qiv
