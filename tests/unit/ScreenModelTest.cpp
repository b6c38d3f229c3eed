// The screen model: switching screens, applying a new screen list, the screen-state refresh, and bringing every
// window back when the program closes.
#include "engine/ScreenModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/unit/EngineTestBed.h"

namespace qiv {
namespace {

using Windows = std::vector<WindowHandle>;

class ScreenModelTest : public EngineTestBed {
 protected:
  ScreenModelTest() { UseScreens(3); }

  // A list like the current one with the screen at position renamed.
  void ApplyWithRenamed(int position, const std::string& name) {
    ScreenList list(icons_);
    list.CopyFrom(model_.Screens());
    list.Rename(position, name);
    model_.ApplyScreenList(list);
  }
};

TEST_F(ScreenModelTest, ASwitchShowsTheNewScreenHidesTheOldAndActivatesTheTopWindow) {
  const WindowHandle first = AddWindow();
  const WindowHandle bottom = AddWindow();
  const WindowHandle top = AddWindow();
  Place(0, {first});
  Place(1, {bottom, top});
  Screen(1).SetAttentionWindow(top);
  const int redraws = view_.Redraws();
  const std::size_t buttonsRedrawn = view_.RedrawnButtons().size();

  Switch(1);
  EXPECT_EQ(model_.CurrentScreen(), 1);
  EXPECT_FALSE(desktop_.IsVisible(first));
  EXPECT_TRUE(desktop_.IsVisible(bottom));
  EXPECT_TRUE(desktop_.IsVisible(top));
  EXPECT_EQ(desktop_.Foreground(), top);
  EXPECT_EQ(Screen(1).AttentionWindow(), nullptr) << "the screen's button stops blinking";
  EXPECT_EQ(view_.Redraws(), redraws) << "the button of screen 3 did not change";
  EXPECT_EQ(std::vector<int>(view_.RedrawnButtons().begin() + buttonsRedrawn, view_.RedrawnButtons().end()),
            (std::vector<int>{0, 1}))
      << "the buttons of the screens left and entered";
  EXPECT_EQ(desktop_.MovesWithoutHookLock(), 0) << "every move with the hook lock raised";
}

TEST_F(ScreenModelTest, ANewWindowJoinsTheScreenThatIsLeft) {
  const WindowHandle opened = AddWindow();
  Switch(1);
  EXPECT_EQ(Screen(0).Windows(), (Windows{opened}));
  EXPECT_FALSE(desktop_.IsVisible(opened));
}

TEST_F(ScreenModelTest, ACopiedWindowStaysOnTheDesktopThroughASwitch) {
  const WindowHandle copied = AddWindow();
  Place(0, {copied});
  Screen(1).Add(copied);
  Switch(1);
  EXPECT_TRUE(desktop_.IsVisible(copied));
  EXPECT_EQ(desktop_[copied].timesHidden, 0);
}

TEST_F(ScreenModelTest, SwitchingToAnEmptyScreenActivatesNothing) {
  const WindowHandle window = AddWindow();
  Place(0, {window});
  Switch(2);
  EXPECT_EQ(desktop_.Foreground(), nullptr);
  EXPECT_EQ(desktop_.StopFlashingCalls(), 0);
}

TEST_F(ScreenModelTest, SelectingTheCurrentScreenDoesNothingNotEvenARefresh) {
  AddWindow();
  const int raises = hookLock_.Raises();
  Switch(0);
  EXPECT_TRUE(Screen(0).Windows().empty()) << "the new window was not taken in";
  EXPECT_EQ(desktop_.Probes(), 0);
  EXPECT_EQ(hookLock_.Raises(), raises);
}

TEST_F(ScreenModelTest, ASelectionOutsideTheScreensIsClampedAndWrittenBack) {
  const struct {
    int selection;
    int current;
  } cases[] = {{7, 2}, {-1, 0}, {1, 1}};
  for (const auto& c : cases) {
    Switch(c.selection);
    EXPECT_EQ(model_.CurrentScreen(), c.current) << c.selection;
    EXPECT_EQ(view_.ScreenSelection(), c.current) << c.selection;
  }
  EXPECT_GT(view_.AppListHides(), 0);
}

TEST_F(ScreenModelTest, ReportsMadeBeforeTheLastSwitchAreOutOfDate) {
  const struct {
    std::uint32_t switchAt;
    std::uint32_t reportAt;
    bool outOfDate;
  } cases[] = {
      {5000, 4999, true},
      {5000, 5000, true},
      {5000, 5001, false},
      // The tick counter wraps after 49.7 days.
      {3, 0xFFFFFFF0u, true},
      {0xFFFFFFF0u, 3, false},
  };
  for (const auto& c : cases) {
    clock_.SetNow(c.switchAt);
    Switch(model_.CurrentScreen() == 0 ? 1 : 0);
    EXPECT_EQ(model_.SwitchedSince(c.reportAt), c.outOfDate) << c.switchAt << " " << c.reportAt;
  }
  clock_.SetNow(9000);
  Switch(model_.CurrentScreen());
  EXPECT_FALSE(model_.SwitchedSince(8000)) << "selecting the current screen again is no switch";
}

TEST_F(ScreenModelTest, AHungWindowIsLeftOnTheDesktopAndTheSwitchCompletes) {
  const WindowHandle answering = AddWindow();
  const WindowHandle hung = AddWindow();
  const WindowHandle hungExplorer = AddExplorerWindow();
  Place(0, {answering, hung, hungExplorer});
  desktop_[hung].hung = true;
  desktop_[hungExplorer].hung = true;

  Switch(1);
  EXPECT_EQ(model_.CurrentScreen(), 1);
  EXPECT_FALSE(desktop_.IsVisible(answering));
  EXPECT_TRUE(desktop_.IsVisible(hung));
  EXPECT_EQ(desktop_.Parent(hungExplorer), nullptr) << "not parked";
  EXPECT_TRUE(desktop_.IsVisible(hungExplorer));
  EXPECT_EQ(Screen(0).Windows(), (Windows{answering}));
  EXPECT_LE(desktop_.LongestProbeMs(), 200u);
  EXPECT_EQ(desktop_.BlockingCallsToHungWindows(), 0);
}

TEST_F(ScreenModelTest, AWindowThatHungWhileItsScreenWasHiddenDoesNotBlockTheSwitch) {
  const WindowHandle explorer = AddExplorerWindow(State::kMaximized);
  Place(0, {explorer});
  Switch(1);
  desktop_[explorer].hung = true;
  Switch(0);
  EXPECT_EQ(model_.CurrentScreen(), 0);
  EXPECT_EQ(desktop_.BlockingCallsToHungWindows(), 0);
}

TEST_F(ScreenModelTest, WindowsThatCloseInTheMiddleOfASwitchLeaveTheOthersAsTheyShouldBe) {
  const WindowHandle stays = AddWindow();
  const WindowHandle closes = AddWindow();
  const WindowHandle explorer = AddExplorerWindow();
  Place(0, {stays, closes, explorer});
  clock_.SetOnSleep([this, closes] {
    if (desktop_.Exists(closes)) desktop_.Destroy(closes);
  });
  Switch(1);
  EXPECT_FALSE(desktop_.IsVisible(stays));
  EXPECT_EQ(desktop_.Parent(explorer), holder_);

  clock_.SetOnSleep([this, explorer] {
    if (desktop_.Exists(explorer)) desktop_.Destroy(explorer);
  });
  Switch(0);
  EXPECT_EQ(model_.CurrentScreen(), 0);
  EXPECT_TRUE(desktop_.IsVisible(stays));
  clock_.SetOnSleep(nullptr);
  model_.RefreshScreenState();
  EXPECT_EQ(Screen(0).Windows(), (Windows{stays}));
}

TEST_F(ScreenModelTest, AHiddenWindowThatHungDoesNotHoldUpTheOthersAndShowsOnceItAnswers) {
  const WindowHandle other = AddWindow();
  const WindowHandle hung = AddWindow();
  Place(0, {other, hung});
  Switch(1);
  desktop_[hung].hung = true;
  Switch(0);
  EXPECT_EQ(desktop_.BlockingCallsToHungWindows(), 0);
  EXPECT_TRUE(desktop_.IsVisible(other));
  EXPECT_NE(desktop_.Foreground(), hung) << "activating it would wait for it";

  desktop_[hung].hung = false;
  desktop_.ApplyPendingRequests();
  EXPECT_TRUE(desktop_.IsVisible(hung));
}

TEST_F(ScreenModelTest, AParkedWindowThatDidNotAnswerComesBackOnceItAnswers) {
  const WindowHandle explorer = AddExplorerWindow(State::kMaximized);
  const WindowHandle elsewhere = AddExplorerWindow();
  Place(0, {explorer});
  Place(2, {elsewhere});
  Switch(1);
  desktop_[explorer].hung = true;
  const int flashStops = desktop_.StopFlashingCalls();
  Switch(0);
  const std::uint32_t tickStart = clock_.TickCount();
  model_.RefreshScreenState();
  EXPECT_EQ(clock_.TickCount() - tickStart, 10u) << "one short probe in a tick: the switch found it silent";
  EXPECT_EQ(desktop_.Parent(explorer), holder_) << "still parked while it does not answer";
  EXPECT_NE(desktop_.Foreground(), explorer) << "activating it would wait for it";
  EXPECT_EQ(desktop_.StopFlashingCalls(), flashStops);

  desktop_[explorer].hung = false;
  model_.RefreshScreenState();
  EXPECT_EQ(desktop_.Parent(explorer), nullptr);
  EXPECT_TRUE(desktop_.IsVisible(explorer));
  EXPECT_EQ(desktop_[explorer].state, State::kMaximized) << "with the state it was parked in";
  model_.RefreshScreenState();
  EXPECT_EQ(Screen(0).Windows(), (Windows{explorer}));
  EXPECT_EQ(desktop_.Parent(elsewhere), holder_) << "the window of a hidden screen stays parked";
  EXPECT_EQ(desktop_.BlockingCallsToHungWindows(), 0);
}

TEST_F(ScreenModelTest, ApplyingAScreenListKeepsTheWindowsOfUnchangedScreens) {
  const WindowHandle onFirst = AddWindow();
  const WindowHandle onSecond = AddWindow();
  const WindowHandle onThird = AddWindow();
  Place(0, {onFirst});
  Place(1, {onSecond});
  Place(2, {onThird});
  Switch(1);
  const int layouts = view_.Layouts();

  ApplyWithRenamed(2, "Renamed");
  EXPECT_EQ(view_.Names(), (std::vector<std::string>{"0", "1", "Renamed"}));
  EXPECT_EQ(model_.CurrentScreen(), 1) << "the current screen stays current";
  EXPECT_EQ(Screen(0).Windows(), (Windows{onFirst}));
  EXPECT_FALSE(desktop_.IsVisible(onFirst));
  EXPECT_TRUE(Screen(2).Windows().empty()) << "a renamed screen is a new one";
  EXPECT_TRUE(desktop_.IsVisible(onThird)) << "the windows of a screen that went come back";
  EXPECT_EQ(view_.Layouts(), layouts + 1);
  EXPECT_EQ(registry_.Value(RegistryRoot::CurrentUser, ScreenList::kRegistryPath, "ScreenName #2")->data.size(),
            sizeof("Renamed"))
      << "the new list is saved";

  ApplyWithRenamed(1, "Current renamed");
  EXPECT_EQ(model_.CurrentScreen(), 0) << "without its current screen the first one is selected";
  EXPECT_TRUE(desktop_.IsVisible(onFirst));
  EXPECT_TRUE(desktop_.IsVisible(onSecond)) << "the windows of the renamed current screen stay";
}

TEST_F(ScreenModelTest, WindowsThatANewStickyRuleMatchesComeBackAndLeaveEveryScreen) {
  FakeDesktop::Window clock;
  clock.text = "Clock";
  const WindowHandle clockHere = AddWindow(clock);
  const WindowHandle clockElsewhere = AddWindow(clock);
  const WindowHandle other = AddWindow();
  const WindowHandle explorer = AddExplorerWindow();
  Place(0, {clockHere});
  Place(1, {clockElsewhere, other});
  Place(2, {clockElsewhere, explorer});
  ASSERT_FALSE(OnDesktop(clockElsewhere));
  ASSERT_FALSE(OnDesktop(explorer));
  StickyRuleList rules;
  rules.Append(StickyRule{"Clock", "", true, false, false});
  rules.Append(StickyRule{"", "CabinetWClass", false, false, true});
  settings_.StickyRules = rules;
  const WindowHandle foreground = desktop_.Foreground();

  model_.ReleaseStickyWindows(rules);
  for (WindowHandle stuck : {clockHere, clockElsewhere, explorer}) {
    EXPECT_TRUE(OnDesktop(stuck));
    EXPECT_TRUE(desktop_.IsVisible(stuck));
    for (int screen = 0; screen < 3; ++screen) EXPECT_FALSE(Screen(screen).Contains(stuck)) << "screen " << screen;
  }
  EXPECT_FALSE(desktop_.IsVisible(other));
  EXPECT_EQ(Screen(1).Windows(), (Windows{other}));
  EXPECT_EQ(desktop_.Foreground(), foreground) << "nothing is activated";
  EXPECT_EQ(desktop_.MovesWithoutHookLock(), 0);

  Switch(1);
  Switch(2);
  EXPECT_TRUE(desktop_.IsVisible(clockHere) && desktop_.IsVisible(clockElsewhere) && desktop_.IsVisible(explorer))
      << "untracked, they stay through switches";
}

TEST_F(ScreenModelTest, RefreshScreenStateRepaintsOnlyWhenAnEmptyStateChanges) {
  const int redraws = view_.Redraws();
  model_.RefreshScreenState();
  EXPECT_EQ(view_.Redraws(), redraws) << "nothing changed";

  const WindowHandle opened = AddWindow();
  process_.AddMutex(ScreenModel::kPauseMutexName);
  model_.RefreshScreenState();
  hookLock_.Raise();
  process_.RemoveMutex(ScreenModel::kPauseMutexName);
  model_.RefreshScreenState();
  hookLock_.Lower();
  EXPECT_TRUE(Screen(0).Windows().empty()) << "paused by the mutex and by the raised hook lock";

  model_.RefreshScreenState();
  EXPECT_EQ(Screen(0).Windows(), (Windows{opened}));
  EXPECT_FALSE(Screen(0).IsEmpty());
  EXPECT_EQ(view_.Redraws(), redraws + 1);
}

TEST_F(ScreenModelTest, AProgramThatHangsWithWindowsOnEveryScreenCostsOneWaitATick) {
  FakeDesktop::Window hung;
  hung.threadId = 9;
  hung.hung = true;
  const WindowHandle onCurrent = AddWindow(hung);
  Place(1, {AddWindow(hung)});
  Place(2, {AddWindow(hung)});
  const int probes = desktop_.Probes();
  const std::uint32_t start = clock_.TickCount();
  model_.RefreshScreenState();
  EXPECT_EQ(desktop_.Probes() - probes, 1);
  EXPECT_EQ(clock_.TickCount() - start, 200u);
  EXPECT_TRUE(desktop_.IsVisible(onCurrent));
  EXPECT_TRUE(Screen(0).Windows().empty()) << "a hung window is not taken in";
}

TEST_F(ScreenModelTest, ClosingBringsBackTheWindowsOfEveryScreen) {
  const WindowHandle hidden = AddWindow();
  const WindowHandle parked = AddExplorerWindow(State::kMaximized);
  const WindowHandle dialog = AddOwnedWindow(hidden);
  Place(1, {hidden, parked});
  Switch(1);
  Switch(2);
  ASSERT_FALSE(desktop_.IsVisible(dialog));

  model_.BringBackAllWindows();
  for (WindowHandle window : {hidden, parked, dialog}) EXPECT_TRUE(desktop_.IsVisible(window));
  EXPECT_EQ(desktop_.Parent(parked), nullptr);
  EXPECT_EQ(desktop_[parked].state, State::kMaximized);
  EXPECT_EQ(model_.ScreenCount(), 0);
}

TEST_F(ScreenModelTest, APanelThatGoesAwayWithoutClosingStillBringsEveryWindowBack) {
  const WindowHandle hidden = AddWindow();
  const WindowHandle parked = AddExplorerWindow();
  {
    FakePanelView view;
    ScreenModel model(engine_, tracker_, platform_, icons_, registry_, settings_, view);
    ScreenList list(icons_);
    list.Add("Here", "", 0, HotKey{}, 0);
    list.Add("There", "", 0, HotKey{}, 1);
    model.ApplyScreenList(list);
    model.Windows(1)->Add(hidden);
    model.Windows(1)->Add(parked);
    engine_.HideScreenWindows(*model.Windows(1), nullptr);
    ASSERT_FALSE(desktop_.IsVisible(hidden));
    ASSERT_EQ(desktop_.Parent(parked), holder_);
  }
  EXPECT_TRUE(desktop_.IsVisible(hidden));
  EXPECT_EQ(desktop_.Parent(parked), nullptr) << "Wine destroys a window still parked when our process ends";
}

TEST_F(ScreenModelTest, EveryOperationLeavesTheHookLockAsItFoundIt) {
  const WindowHandle window = AddWindow();
  const WindowHandle explorer = AddExplorerWindow();
  Place(0, {window, explorer});
  const std::function<void()> operations[] = {
      [this] { Switch(1); },
      [this] { Switch(0); },
      [this] { model_.RefreshScreenState(); },
      [&] { operations_.MoveToScreen(window, Screen(0), Screen(2), false); },
      [&] { operations_.CopyToAllScreens(explorer); },
      [&] { operations_.KeepOnlyInScreen(explorer, Screen(1)); },
      [&] { operations_.DispatchShownWindow(window); },
      [this] { ApplyWithRenamed(0, "Renamed"); },
      [this] { model_.BringBackAllWindows(); },
  };
  for (const std::function<void()>& operation : operations) {
    operation();
    ASSERT_EQ(hookLock_.Count(), 0);
    ASSERT_EQ(hookLock_.Underflows(), 0);
  }
  EXPECT_EQ(desktop_.MovesWithoutHookLock(), 0) << "every move with the hook lock raised";
}

// Saved back, a list loaded only up to the panel's limit would delete the stored screens beyond it.
TEST_F(ScreenModelTest, AListJustLoadedIsNotSavedBack) {
  registry_.DeleteKey(RegistryRoot::CurrentUser, ScreenList::kRegistryPath);
  registry_.PutString(RegistryRoot::CurrentUser, ScreenList::kRegistryPath, "Screen #9999", " 0");
  ScreenList loaded(icons_);
  ASSERT_TRUE(loaded.Load(registry_, 10));
  model_.ApplyScreenList(loaded, ScreenModel::ListOrigin::kJustLoaded);
  EXPECT_EQ(model_.ScreenCount(), 10);
  EXPECT_EQ(registry_.Values(RegistryRoot::CurrentUser, ScreenList::kRegistryPath).size(), 1u);

  ApplyWithRenamed(0, "Renamed");
  EXPECT_EQ(registry_.Values(RegistryRoot::CurrentUser, ScreenList::kRegistryPath).size(), 30u)
      << "a changed list is saved, densely";
}

}  // namespace
}  // namespace qiv
