// Paths on which a window could stay off the desktop for good: untitled windows, hides that land late, parked
// windows that do not answer, a missing holder, reports that a switch overtook, the session's end inside a switch,
// and the journal that outlives the program.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/unit/EngineTestBed.h"

namespace qiv {
namespace {

using Windows = std::vector<WindowHandle>;

class NoWindowLostTest : public EngineTestBed {
 protected:
  NoWindowLostTest() { UseScreens(3); }

  // A few screen-state ticks, as while the user works on another screen for a couple of seconds.
  void LetTicksPass(int ticks = 4) {
    for (int i = 0; i < ticks; ++i) {
      clock_.Advance(500);
      model_.RefreshScreenState();
    }
  }
};

TEST_F(NoWindowLostTest, UntitledWindowsStayWithTheirHiddenScreen) {
  FakeDesktop::Window untitled;
  untitled.text = "";
  const WindowHandle alwaysUntitled = AddWindow(untitled);
  const WindowHandle losesItsTitle = AddWindow();
  LetTicksPass(1);
  ASSERT_EQ(Screen(0).Windows().size(), 2u);

  Switch(1);
  desktop_[losesItsTitle].text = "";
  LetTicksPass();
  EXPECT_TRUE(Screen(0).IsEmpty()) << "untitled windows do not make a screen non-empty";
  Switch(0);
  EXPECT_TRUE(desktop_.IsVisible(alwaysUntitled));
  EXPECT_TRUE(desktop_.IsVisible(losesItsTitle));

  Switch(2);
  LetTicksPass();
  model_.BringBackAllWindows();
  EXPECT_TRUE(desktop_.IsVisible(alwaysUntitled)) << "and the close brings them back";
  EXPECT_TRUE(desktop_.IsVisible(losesItsTitle));
}

TEST_F(NoWindowLostTest, AHideThatLandsAfterTheSwitchBackLosesToTheShow) {
  const WindowHandle busy = AddWindow();
  Place(0, {busy});
  // Its thread is busy: the hide waits in its queue, and the window still looks visible.
  desktop_.SetRequestsWait(true);
  Switch(1);
  ASSERT_TRUE(desktop_.IsVisible(busy));
  Switch(0);
  desktop_.SetRequestsWait(false);
  desktop_.ApplyPendingRequests();

  EXPECT_TRUE(desktop_.IsVisible(busy)) << "the show was queued after the hide";
  LetTicksPass();
  EXPECT_EQ(Screen(0).Windows(), (Windows{busy}));
  EXPECT_FALSE(Screen(1).Contains(busy)) << "the screen it was hidden from never took it in";
}

// The holder lives in our process, or in the guardian's, where it is a window of another program: it is never
// taken for one of the user's windows, and a window parked in it keeps its place all the same.
class ParkedInEitherHolderTest : public NoWindowLostTest, public testing::WithParamInterface<bool> {
 protected:
  ParkedInEitherHolderTest() {
    if (GetParam()) UseGuardianHolder();
    settings_.ToolWndAlwaysSticky = false;
  }
};

INSTANTIATE_TEST_SUITE_P(Holders, ParkedInEitherHolderTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& param) {
                           return param.param ? "InTheGuardian" : "InTheProgram";
                         });

TEST_P(ParkedInEitherHolderTest, AParkedWindowThatDidNotAnswerComesBackOnlyOnItsOwnScreen) {
  const WindowHandle explorer = AddExplorerWindow();
  Place(0, {explorer});
  LetTicksPass(1);
  Switch(1);
  desktop_[explorer].hung = true;
  Switch(0);
  ASSERT_EQ(desktop_.Parent(explorer), holder_) << "still parked while it does not answer";
  LetTicksPass();
  EXPECT_EQ(Screen(0).Windows(), (Windows{explorer})) << "it keeps its place in its screen's list";

  Switch(2);
  desktop_[explorer].hung = false;
  LetTicksPass();
  EXPECT_EQ(desktop_.Parent(explorer), holder_) << "not brought onto a screen it does not belong to";
  for (int screen = 0; screen < 3; ++screen) EXPECT_FALSE(Screen(screen).Contains(holder_)) << screen;
  Switch(0);
  EXPECT_EQ(desktop_.Parent(explorer), nullptr);
  EXPECT_TRUE(desktop_.IsVisible(explorer));
}

TEST_F(NoWindowLostTest, AWindowParkedWithoutItsStateStillComesBack) {
  const WindowHandle explorer = AddExplorerWindow();
  Place(0, {explorer});
  Switch(1);
  ASSERT_EQ(desktop_.Parent(explorer), holder_);
  // As when a parking worker that ended late parked it after its state had been used for a return.
  engine_.ParkedStates().erase(explorer);
  Switch(0);
  EXPECT_EQ(desktop_.Parent(explorer), nullptr);
  EXPECT_TRUE(desktop_.IsVisible(explorer));
}

TEST_F(NoWindowLostTest, WithoutAHolderExplorerWindowsAreHiddenLikeAnyOther) {
  engine_.SetHolderWindow(nullptr);
  const WindowHandle explorer = AddExplorerWindow(State::kMaximized);
  const Rect normal = desktop_[explorer].normalRect;
  Place(0, {explorer});
  Switch(1);
  EXPECT_FALSE(desktop_.IsVisible(explorer));
  EXPECT_TRUE(engine_.IsWindowOffDesktop(explorer));
  Switch(0);
  EXPECT_TRUE(desktop_.IsVisible(explorer));
  EXPECT_EQ(desktop_[explorer].normalRect, normal) << "not shifted far off the visible area";
  EXPECT_EQ(desktop_[explorer].state, State::kMaximized);
}

TEST_F(NoWindowLostTest, TheDialogOfAHungProgramIsNotActivated) {
  const WindowHandle owner = AddWindow();
  const WindowHandle dialog = AddOwnedWindow(owner);
  desktop_[owner].disabled = true;
  Place(0, {owner});
  Switch(1);
  desktop_[owner].hung = true;
  desktop_[dialog].hung = true;
  const int flashStops = desktop_.StopFlashingCalls();
  Switch(0);
  EXPECT_NE(desktop_.Foreground(), dialog);
  EXPECT_EQ(desktop_.StopFlashingCalls(), flashStops);
  EXPECT_EQ(desktop_.BlockingCallsToHungWindows(), 0);
  desktop_[owner].hung = false;
  desktop_[dialog].hung = false;
  desktop_.ApplyPendingRequests();
  EXPECT_TRUE(desktop_.IsVisible(owner));
  EXPECT_TRUE(desktop_.IsVisible(dialog));
}

TEST_F(NoWindowLostTest, AReportOvertakenByASwitchCountsOnlyForAWindowThatIsHiddenNow) {
  const WindowHandle hidden = AddWindow();
  clock_.SetNow(5000);
  Switch(1);
  const WindowHandle visible = AddWindow();
  for (const std::uint32_t reportAt : {4999u, 5000u}) {
    EXPECT_TRUE(model_.IsReportOutOfDate(hidden, reportAt)) << reportAt;
    EXPECT_FALSE(model_.IsReportOutOfDate(visible, reportAt))
        << "a dialog shown just before the switch must still go to its screen";
  }
  // Reported after the switch, and hidden since by its program, not by us.
  const WindowHandle hiddenByItself = AddWindow();
  desktop_[hiddenByItself].visible = false;
  EXPECT_FALSE(model_.IsReportOutOfDate(hiddenByItself, 5001));
}

TEST_F(NoWindowLostTest, AReportOfAWindowSentBackSinceCountsForNothing) {
  const WindowHandle window = AddWindow();
  Place(1, {window});
  clock_.SetNow(5000);
  // It showed itself; the tick sent it back before the panel took the report from its queue.
  desktop_[window].visible = true;
  LetTicksPass(1);
  ASSERT_FALSE(desktop_.IsVisible(window));
  EXPECT_TRUE(model_.IsReportOutOfDate(window, 5001));
  desktop_[window].visible = true;
  EXPECT_FALSE(model_.IsReportOutOfDate(window, 5001)) << "shown again: the report must be dealt with";
}

TEST_F(NoWindowLostTest, AWindowThatShowedItselfUnreportedGoesBackAtTheNextTick) {
  const WindowHandle window = AddWindow();
  Place(1, {window});
  // Shown while a switch had the hook lock raised: no report came.
  desktop_[window].visible = true;
  LetTicksPass(1);
  EXPECT_FALSE(desktop_.IsVisible(window));
  EXPECT_EQ(Screen(1).Windows(), (Windows{window}));
  EXPECT_FALSE(Screen(0).Contains(window));

  settings_.SmartDispatch = 0;
  desktop_[window].visible = true;
  LetTicksPass(1);
  EXPECT_TRUE(desktop_.IsVisible(window)) << "without screen integrity protection it stays";
}

TEST_F(NoWindowLostTest, AShowReportAboutAParkedWindowCostsNothing) {
  settings_.SelfActivateSound = "C:\\Sounds\\ding.wav";
  const WindowHandle explorer = AddExplorerWindow();
  Place(1, {explorer});
  const std::uint32_t start = clock_.TickCount();
  EXPECT_FALSE(operations_.DispatchShownWindow(explorer));
  EXPECT_EQ(clock_.TickCount(), start) << "no wait for a window that is off the desktop already";
  EXPECT_TRUE(sound_.Played().empty());
  EXPECT_EQ(Screen(1).AttentionWindow(), nullptr);
}

TEST_F(NoWindowLostTest, TheSessionEndingInsideASwitchBringsEverythingBack) {
  const WindowHandle first = AddWindow();
  const WindowHandle explorer = AddExplorerWindow();
  const WindowHandle second = AddWindow();
  Place(0, {first, explorer});
  Place(1, {second});
  // The end of the session arrives during one of the switch's waits for another program, half-way through
  // taking the old screen's windows off the desktop.
  bool ended = false;
  clock_.SetOnSleep([&] {
    if (ended || desktop_.IsVisible(first)) return;
    ended = true;
    model_.BringBackAllWindows();
    engine_.ReleaseParkedWindows();
  });
  Switch(1);
  clock_.SetOnSleep(nullptr);
  ASSERT_TRUE(ended);
  for (WindowHandle window : {first, explorer, second}) EXPECT_TRUE(OnDesktop(window));
  EXPECT_TRUE(desktop_.IsVisible(first));
  EXPECT_EQ(model_.ScreenCount(), 0) << "the lists went once the switch had returned";
}

TEST_F(NoWindowLostTest, AHotKeyReportedDuringASwitchRunsAfterIt) {
  const WindowHandle onSecond = AddWindow();
  Place(1, {onSecond});
  const WindowHandle onThird = AddWindow();
  Place(2, {onThird});
  bool pressed = false;
  clock_.SetOnSleep([&] {
    if (pressed) return;
    pressed = true;
    model_.SelectScreen(2);
  });
  Switch(1);
  clock_.SetOnSleep(nullptr);
  EXPECT_EQ(model_.CurrentScreen(), 2);
  EXPECT_EQ(view_.ScreenSelection(), 2);
  EXPECT_FALSE(desktop_.IsVisible(onSecond));
  EXPECT_TRUE(desktop_.IsVisible(onThird));
}

TEST_F(NoWindowLostTest, TheJournalHoldsExactlyTheWindowsTakenOffTheDesktop) {
  const WindowHandle plain = AddWindow();
  const WindowHandle owner = AddWindow();
  const WindowHandle dialog = AddOwnedWindow(owner);
  const WindowHandle explorer = AddExplorerWindow();
  const WindowHandle closes = AddWindow();
  Place(0, {plain, owner, explorer, closes});
  Switch(1);
  EXPECT_EQ(journal_.Windows(), (std::set<WindowHandle>{plain, owner, dialog, explorer, closes}));

  desktop_.Destroy(closes);
  LetTicksPass(1);
  EXPECT_EQ(journal_.Windows().count(closes), 0u) << "a closed window is forgotten";
  EXPECT_GT(journal_.Flushes(), 0);
  Switch(0);
  EXPECT_TRUE(journal_.Windows().empty());

  Switch(2);
  model_.BringBackAllWindows();
  EXPECT_TRUE(journal_.Windows().empty());
}

}  // namespace
}  // namespace qiv
