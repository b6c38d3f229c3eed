// What the panel's visibility tick decides: whether the panel and its resizer grip are shown.
#pragma once

namespace qiv {

// What the tick sees of the pointer, the panel and the settings.
struct VisibilityInput {
  bool showOnlyPointed = false;  // ShowOnlyPointed: the panel hides while the pointer is away from it
  bool pointerNearPanel = false;
  // A menu or dialog of the panel is open: the panel stays, or the user loses what is on the screen.
  bool panelBusy = false;
  bool resizerOnlyNear = false;  // ResizerOnlyNear: the grip shows only while the pointer is near it
  bool pointerNearResizer = false;
  bool resizerDragged = false;  // the grip has the mouse capture
};

struct VisibilityDecision {
  bool showPanel = true;
  bool showResizer = true;
  bool operator==(const VisibilityDecision& other) const {
    return showPanel == other.showPanel && showResizer == other.showResizer;
  }
};

// The grip never shows without the panel; while it is dragged it stays, wherever the pointer is.
VisibilityDecision DecideVisibility(const VisibilityInput& input);

}  // namespace qiv
