// Which commands of the application list's context menu apply to the selected windows.
#pragma once

#include <vector>

#include "engine/ScreenModel.h"
#include "engine/ScreenWindows.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowOperations.h"
#include "platform/Desktop.h"

namespace qiv {

// What the menu asks of one selected window.
struct SelectedWindowFacts {
  // A window whose owned windows left the desktop with it changes its show state only together with them.
  bool hasHiddenOwnedWindows = false;
  bool canMinimize = false;
  bool canMaximize = false;
  bool canRestore = false;
  bool enabled = true;
  bool topmost = false;
  bool inSomeOtherScreen = false;
  bool missingFromSomeOtherScreen = false;
};

struct MenuAvailability {
  bool selectAll = true;
  bool restore = false;
  bool minimize = false;
  bool maximize = false;
  bool minimizeAll = false;
  bool keepOnTop = false;
  bool notOnTop = false;
  bool stick = false;
  bool copyToAllScreens = false;
  bool keepOnlyInThisScreen = false;
  bool close = false;
};

// anyItemMinimizable: some window of the whole list, selected or not, can be minimised and has no hidden owned
// windows. Restore and Maximize apply only on the current screen, whose windows are on the desktop.
MenuAvailability DecideAvailability(const std::vector<SelectedWindowFacts>& selected, bool anyItemMinimizable,
                                    bool thisScreenIsCurrent);

// Reads the facts from the engine; runs on the user-interface thread.
class AvailabilityProbe {
 public:
  AvailabilityProbe(WindowOperations& operations, SwitchEngine& engine, Desktop& desktop, ScreenModel& model)
      : operations_(operations), engine_(engine), desktop_(desktop), model_(model) {}

  SelectedWindowFacts FactsOf(WindowHandle window, const ScreenWindows& thisScreen);
  bool IsMinimizable(WindowHandle window);
  MenuAvailability Decide(const std::vector<WindowHandle>& selected, const std::vector<WindowHandle>& allItems,
                          const ScreenWindows& thisScreen);

 private:
  WindowOperations& operations_;
  SwitchEngine& engine_;
  Desktop& desktop_;
  ScreenModel& model_;
};

}  // namespace qiv
