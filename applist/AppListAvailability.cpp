// Which commands of the application list's context menu apply to the selected windows.
#include "applist/AppListAvailability.h"

namespace qiv {

MenuAvailability DecideAvailability(const std::vector<SelectedWindowFacts>& selected, bool anyItemMinimizable,
                                    bool thisScreenIsCurrent) {
  bool canMinimize = false;
  bool canMaximize = false;
  bool canRestore = false;
  bool anyTopmost = false;
  bool anyNotTopmost = false;
  bool anyEnabled = false;
  bool inSomeOtherScreen = false;
  bool notEverywhere = false;
  for (const SelectedWindowFacts& window : selected) {
    if (!window.hasHiddenOwnedWindows) {
      canMinimize |= window.canMinimize;
      canMaximize |= window.canMaximize;
      canRestore |= window.canRestore;
    }
    if (window.enabled) {
      (window.topmost ? anyTopmost : anyNotTopmost) = true;
      anyEnabled = true;
    }
    inSomeOtherScreen |= window.inSomeOtherScreen;
    notEverywhere |= window.missingFromSomeOtherScreen;
  }
  const bool anySelected = !selected.empty();
  MenuAvailability menu;
  menu.restore = canRestore && thisScreenIsCurrent;
  menu.minimize = canMinimize;
  menu.maximize = canMaximize && thisScreenIsCurrent;
  menu.minimizeAll = anyItemMinimizable;
  menu.keepOnTop = anyNotTopmost;
  menu.notOnTop = anyTopmost;
  menu.stick = anySelected;
  menu.copyToAllScreens = notEverywhere;
  menu.keepOnlyInThisScreen = inSomeOtherScreen;
  menu.close = anySelected && anyEnabled;
  return menu;
}

SelectedWindowFacts AvailabilityProbe::FactsOf(WindowHandle window, const ScreenWindows& thisScreen) {
  SelectedWindowFacts facts;
  facts.hasHiddenOwnedWindows = engine_.HasHiddenOwnedWindows(window);
  facts.canMinimize = operations_.CanMinimize(window);
  facts.canMaximize = operations_.CanMaximize(window);
  facts.canRestore = operations_.CanRestore(window);
  facts.enabled = !desktop_.Has(window, WindowTrait::kDisabled);
  facts.topmost = operations_.IsTopmost(window);
  for (int i = 0; i < model_.ScreenCount(); ++i) {
    const ScreenWindows* screen = model_.Windows(i);
    if (screen == nullptr || screen == &thisScreen) continue;
    (screen->Contains(window) ? facts.inSomeOtherScreen : facts.missingFromSomeOtherScreen) = true;
  }
  return facts;
}

bool AvailabilityProbe::IsMinimizable(WindowHandle window) {
  return operations_.CanMinimize(window) && !engine_.HasHiddenOwnedWindows(window);
}

MenuAvailability AvailabilityProbe::Decide(const std::vector<WindowHandle>& selected,
                                           const std::vector<WindowHandle>& allItems, const ScreenWindows& thisScreen) {
  std::vector<SelectedWindowFacts> facts;
  for (WindowHandle window : selected) facts.push_back(FactsOf(window, thisScreen));
  bool anyItemMinimizable = false;
  for (WindowHandle window : allItems) anyItemMinimizable = anyItemMinimizable || IsMinimizable(window);
  return DecideAvailability(facts, anyItemMinimizable, thisScreen.Index() == model_.CurrentScreen());
}

}  // namespace qiv
