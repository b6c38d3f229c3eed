// What the screen model needs from the panel window: its screen-button list box, its re-layout, and hiding the
// application list.
#pragma once

#include <string>

namespace qiv {

class PanelView {
 public:
  virtual ~PanelView() = default;

  // Only when it is visible.
  virtual void HideAppList() = 0;
  // The selected screen button; -1 when none is selected.
  virtual int ScreenSelection() = 0;
  virtual void SetScreenSelection(int index) = 0;
  // Empties the screen-button list box.
  virtual void ResetScreenButtons() = 0;
  virtual void AddScreenButton(const std::string& name) = 0;
  // Repaints the screen buttons (without erasing): current screen, empty states, attention.
  virtual void RedrawScreenButtons() = 0;
  // Repaints one screen button, the same way: a switch changes only the buttons of the screens it leaves and enters.
  virtual void RedrawScreenButton(int index) = 0;
  // Fits the panel's size, region, column width and tooltips to the number of screens.
  virtual void ApplyLayout() = 0;
};

}  // namespace qiv
