// Which commands of the application list's context menu the selected windows allow.
#include "applist/AppListAvailability.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qiv {
namespace {

// The enabled items, in menu order, so that a failure names them.
std::string EnabledItems(const MenuAvailability& menu) {
  const std::pair<bool, const char*> items[] = {
      {menu.selectAll, "SelectAll"},
      {menu.restore, "Restore"},
      {menu.minimize, "Minimize"},
      {menu.maximize, "Maximize"},
      {menu.minimizeAll, "MinimizeAll"},
      {menu.keepOnTop, "KeepOnTop"},
      {menu.notOnTop, "NotOnTop"},
      {menu.stick, "Stick"},
      {menu.copyToAllScreens, "CopyToAllScreens"},
      {menu.keepOnlyInThisScreen, "KeepOnlyInThisScreen"},
      {menu.close, "Close"},
  };
  std::string enabled;
  for (const auto& [on, name] : items) {
    if (!on) continue;
    if (!enabled.empty()) enabled += ' ';
    enabled += name;
  }
  return enabled;
}

// An enabled, normal window of this screen only, which can be minimised and maximised.
SelectedWindowFacts Normal() {
  SelectedWindowFacts facts;
  facts.canMinimize = true;
  facts.canMaximize = true;
  facts.missingFromSomeOtherScreen = true;
  return facts;
}

SelectedWindowFacts With(SelectedWindowFacts facts, bool SelectedWindowFacts::*field, bool value) {
  facts.*field = value;
  return facts;
}

struct AvailabilityCase {
  const char* name;
  std::vector<SelectedWindowFacts> selected;
  bool anyItemMinimizable;
  bool thisScreenIsCurrent;
  std::string enabled;
};

class MenuAvailabilityTable : public ::testing::TestWithParam<AvailabilityCase> {};

TEST_P(MenuAvailabilityTable, EnablesWhatTheSelectionAllows) {
  const AvailabilityCase& c = GetParam();
  EXPECT_EQ(EnabledItems(DecideAvailability(c.selected, c.anyItemMinimizable, c.thisScreenIsCurrent)), c.enabled);
}

const SelectedWindowFacts kMaximized =
    With(With(Normal(), &SelectedWindowFacts::canMaximize, false), &SelectedWindowFacts::canRestore, true);

INSTANTIATE_TEST_SUITE_P(
    Selections, MenuAvailabilityTable,
    ::testing::Values(
        AvailabilityCase{"NormalWindowOfTheCurrentScreen",
                         {Normal()},
                         true,
                         true,
                         "SelectAll Minimize Maximize MinimizeAll KeepOnTop Stick CopyToAllScreens Close"},
        AvailabilityCase{"MaximizedWindowCanBeRestored",
                         {kMaximized},
                         true,
                         true,
                         "SelectAll Restore Minimize MinimizeAll KeepOnTop Stick CopyToAllScreens Close"},
        // A hidden screen's windows are off the desktop: no Restore or Maximize, whatever their state.
        AvailabilityCase{"HiddenScreenGreysRestoreAndMaximize",
                         {kMaximized, Normal()},
                         true,
                         false,
                         "SelectAll Minimize MinimizeAll KeepOnTop Stick CopyToAllScreens Close"},
        AvailabilityCase{"OneTopmostAndOneNotAllowBoth",
                         {Normal(), With(Normal(), &SelectedWindowFacts::topmost, true)},
                         true,
                         true,
                         "SelectAll Minimize Maximize MinimizeAll KeepOnTop NotOnTop Stick CopyToAllScreens Close"},
        // Its owned windows left the desktop with it: its show state changes only together with them.
        AvailabilityCase{"HiddenOwnedWindowsBlockShowStates",
                         {With(kMaximized, &SelectedWindowFacts::hasHiddenOwnedWindows, true)},
                         false,
                         true,
                         "SelectAll KeepOnTop Stick CopyToAllScreens Close"},
        // The owner of a modal dialog: neither its top-most state nor Close apply.
        AvailabilityCase{
            "DisabledWindow",
            {With(With(Normal(), &SelectedWindowFacts::enabled, false), &SelectedWindowFacts::topmost, true)},
            true,
            true,
            "SelectAll Minimize Maximize MinimizeAll Stick CopyToAllScreens"},
        AvailabilityCase{"OnEveryScreen",
                         {With(With(Normal(), &SelectedWindowFacts::missingFromSomeOtherScreen, false),
                               &SelectedWindowFacts::inSomeOtherScreen, true)},
                         true,
                         true,
                         "SelectAll Minimize Maximize MinimizeAll KeepOnTop Stick KeepOnlyInThisScreen Close"},
        AvailabilityCase{"OnThisAndOneOtherScreen",
                         {With(Normal(), &SelectedWindowFacts::inSomeOtherScreen, true)},
                         true,
                         true,
                         "SelectAll Minimize Maximize MinimizeAll KeepOnTop Stick CopyToAllScreens "
                         "KeepOnlyInThisScreen Close"},
        // Minimize All looks at the whole list, not at the selection.
        AvailabilityCase{"NothingSelected", {}, true, true, "SelectAll MinimizeAll"},
        AvailabilityCase{"NothingMinimizable", {}, false, true, "SelectAll"}),
    [](const ::testing::TestParamInfo<AvailabilityCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace qiv
