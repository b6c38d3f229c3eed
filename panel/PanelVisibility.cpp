// What the panel's visibility tick decides.
#include "panel/PanelVisibility.h"

namespace qiv {

VisibilityDecision DecideVisibility(const VisibilityInput& input) {
  VisibilityDecision decision;
  decision.showPanel = !input.showOnlyPointed || input.pointerNearPanel || input.panelBusy;
  decision.showResizer =
      decision.showPanel && (!input.resizerOnlyNear || input.pointerNearResizer || input.resizerDragged);
  return decision;
}

}  // namespace qiv
