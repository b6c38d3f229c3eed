// The switch engine: owned windows going and coming with their owner, Explorer windows parked and brought back as
// they were, the bounded waits, and the worker-thread jobs.
#include "engine/SwitchEngine.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/BusyWindowSet.h"
#include "tests/unit/EngineTestBed.h"

namespace qiv {
namespace {

// The normal rectangle of every window the fake desktop makes.
const Rect kNormalRect{100, 100, 500, 400};

class SwitchEngineTest : public EngineTestBed {
 protected:
  SwitchEngineTest() { UseScreens(2); }
};

TEST_F(SwitchEngineTest, AnOwnedDialogLeavesAndComesBackWithItsOwner) {
  for (const bool ownerDisabled : {false, true}) {
    Switch(0);
    const WindowHandle owner = AddWindow();
    const WindowHandle dialog = AddOwnedWindow(owner);
    desktop_[owner].disabled = ownerDisabled;
    Place(0, {owner});

    Switch(1);
    EXPECT_FALSE(desktop_.IsVisible(owner));
    EXPECT_FALSE(desktop_.IsVisible(dialog)) << "the dialog goes with its owner";
    EXPECT_TRUE(engine_.HasHiddenOwnedWindows(owner));
    EXPECT_FALSE(Screen(0).Contains(dialog)) << "an owned window is never tracked itself";

    Switch(0);
    EXPECT_TRUE(desktop_.IsVisible(owner));
    EXPECT_TRUE(desktop_.IsVisible(dialog));
    EXPECT_FALSE(engine_.HasHiddenOwnedWindows(owner));
    // The modal dialog box of a disabled owner is the window the user has to answer.
    EXPECT_EQ(desktop_.Foreground(), ownerDisabled ? dialog : owner) << "owner disabled: " << ownerDisabled;
    desktop_.Destroy(dialog);
    desktop_.Destroy(owner);
  }
}

TEST_F(SwitchEngineTest, HidingAScreenWalksTheDesktopOnceHoweverManyWindowsLeave) {
  std::vector<WindowHandle> owners;
  for (int i = 0; i < 30; ++i) owners.push_back(AddWindow());
  const WindowHandle dialog = AddOwnedWindow(owners[10]);
  const WindowHandle dialogOfDialog = AddOwnedWindow(dialog);
  Place(0, owners);
  const int walks = desktop_.TopLevelWalks();
  engine_.HideScreenWindows(Screen(0), nullptr);
  EXPECT_EQ(desktop_.TopLevelWalks() - walks, 1);
  EXPECT_FALSE(desktop_.IsVisible(dialog));
  EXPECT_FALSE(desktop_.IsVisible(dialogOfDialog)) << "a dialog's own dialog goes along too";
  EXPECT_TRUE(engine_.HasHiddenOwnedWindows(owners[10]));
  EXPECT_TRUE(engine_.HasHiddenOwnedWindows(dialog));
}

struct ExplorerCase {
  const char* name;
  FakeDesktop::State state;
  bool topmost;
  bool wine;
};

class ExplorerWindowTest : public SwitchEngineTest, public testing::WithParamInterface<ExplorerCase> {};

TEST_P(ExplorerWindowTest, ComesBackAsItWasParked) {
  const ExplorerCase& c = GetParam();
  desktop_.SetForeignPlacementsRefused(c.wine);
  const Rect normalRect{40, 50, 640, 530};
  const WindowHandle explorer = AddExplorerWindow();
  desktop_[explorer].normalRect = normalRect;
  desktop_[explorer].state = c.state;
  desktop_[explorer].topmost = c.topmost;
  Place(0, {explorer});

  Switch(1);
  EXPECT_EQ(desktop_.Parent(explorer), holder_) << "parked, not hidden";
  EXPECT_FALSE(OnDesktop(explorer));

  Switch(0);
  const FakeDesktop::Window& back = desktop_[explorer];
  EXPECT_EQ(desktop_.Parent(explorer), nullptr);
  EXPECT_TRUE(desktop_.IsVisible(explorer));
  EXPECT_EQ(back.state, c.state);
  EXPECT_EQ(back.topmost, c.topmost);
  EXPECT_EQ(back.normalRect, normalRect);
  EXPECT_EQ(desktop_.MovesWithoutHookLock(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    States, ExplorerWindowTest,
    testing::Values(ExplorerCase{"Maximized", FakeDesktop::State::kMaximized, false, false},
                    ExplorerCase{"Minimized", FakeDesktop::State::kMinimized, false, false},
                    ExplorerCase{"Normal", FakeDesktop::State::kNormal, false, false},
                    ExplorerCase{"Topmost", FakeDesktop::State::kNormal, true, false},
                    ExplorerCase{"MaximizedUnderWine", FakeDesktop::State::kMaximized, false, true},
                    ExplorerCase{"MinimizedUnderWine", FakeDesktop::State::kMinimized, false, true},
                    ExplorerCase{"NormalUnderWine", FakeDesktop::State::kNormal, false, true},
                    ExplorerCase{"TopmostUnderWine", FakeDesktop::State::kNormal, true, true}),
    [](const testing::TestParamInfo<ExplorerCase>& param) { return param.param.name; });

TEST_F(SwitchEngineTest, AParkedStateChangedMeanwhileIsTheOneItComesBackWith) {
  const WindowHandle explorer = AddExplorerWindow();
  Place(0, {explorer});
  Switch(1);
  operations_.SetParkedShowState(explorer, kScMinimize);
  EXPECT_EQ(desktop_[explorer].state, State::kNormal) << "nothing visible changes while it is parked";
  Switch(0);
  EXPECT_EQ(desktop_[explorer].state, State::kMinimized);
}

struct HideWaitCase {
  const char* name;
  bool hides;
  std::uint32_t hidesAfterMs;
  std::uint32_t waitedMs;
};

TEST_F(SwitchEngineTest, TheHideWaitStopsWhenTheWindowsAreGoneOrAfter2250Ms) {
  const HideWaitCase cases[] = {
      {"gone at once", true, 0, 0},
      {"gone after 100 ms", true, 100, 150},
      {"never gone", false, 0, 2250},
  };
  desktop_.SetRequestsWait(true);
  for (const HideWaitCase& c : cases) {
    const WindowHandle window = AddWindow();
    Screen(0).Reorder({window});
    const std::uint32_t start = clock_.TickCount();
    clock_.SetOnSleep([&] {
      if (c.hides && clock_.TickCount() - start >= c.hidesAfterMs) desktop_.ApplyPendingRequests();
    });
    engine_.HideScreenWindows(Screen(0), &Screen(1));
    EXPECT_EQ(clock_.TickCount() - start, c.waitedMs) << c.name;
    EXPECT_EQ(desktop_.IsVisible(window), !c.hides) << c.name;
    clock_.SetOnSleep(nullptr);
    desktop_.ApplyPendingRequests();
  }
}

// Two windows of one program that hangs: the first hide waits the whole time for them, later ones probe the program
// once and wait for nothing, until it answers again.
TEST_F(SwitchEngineTest, AWindowWhoseHideDidNotLandIsNotWaitedForAgainUntilItAnswers) {
  const WindowHandle first = AddWindow();
  const WindowHandle second = AddWindow();
  const WindowHandle answering = AddWindow();
  desktop_[first].hung = desktop_[second].hung = true;
  desktop_[first].threadId = desktop_[second].threadId = 7;
  Screen(0).Reorder({first, second, answering});
  const auto hideTakes = [&] {
    const std::uint32_t start = clock_.TickCount();
    engine_.HideScreenWindows(Screen(0), &Screen(1));
    return clock_.TickCount() - start;
  };
  EXPECT_EQ(hideTakes(), 2250u);
  EXPECT_TRUE(desktop_.IsVisible(first) && desktop_.IsVisible(second));
  EXPECT_FALSE(desktop_.IsVisible(answering));

  EXPECT_EQ(hideTakes(), 200u) << "one probe of the program, no wait";
  EXPECT_EQ(hideTakes(), 10u) << "then a short probe: it did not answer the last one";

  desktop_[first].hung = desktop_[second].hung = false;
  desktop_.ApplyPendingRequests();
  engine_.ShowScreenWindows(Screen(0));
  desktop_.ApplyPendingRequests();
  ASSERT_TRUE(desktop_.IsVisible(first));
  desktop_.SetRequestsWait(true);
  const std::uint32_t start = clock_.TickCount();
  clock_.SetOnSleep([&] {
    if (clock_.TickCount() - start >= 100) desktop_.ApplyPendingRequests();
  });
  EXPECT_EQ(hideTakes(), 150u) << "answering again, it is waited for like any window";
  EXPECT_FALSE(desktop_.IsVisible(first) || desktop_.IsVisible(second));
  clock_.SetOnSleep(nullptr);
}

TEST_F(SwitchEngineTest, AWindowThatDoesNotAnswerIsNeitherParkedNorProbedLongerThan200Ms) {
  const WindowHandle explorer = AddExplorerWindow();
  desktop_[explorer].hung = true;
  EXPECT_FALSE(engine_.ReparentAsync(explorer, holder_, 0));
  EXPECT_EQ(workers_.Started(), 0) << "no worker thread for a hung window";
  EXPECT_EQ(desktop_.Parent(explorer), nullptr);
  EXPECT_EQ(desktop_.LongestProbeMs(), 200u);
}

TEST_F(SwitchEngineTest, AWindowThatAWorkerIsMovingCountsAsHungWithoutAProbe) {
  const WindowHandle window = AddWindow();
  BusyWindowSet& busy = tracker_.BusyWindows();
  busy.Add(window);
  busy.Add(window);
  busy.Remove(window);
  EXPECT_TRUE(tracker_.IsWindowHung(window)) << "a second worker still moves it";
  EXPECT_EQ(desktop_.Probes(), 0);
  busy.Remove(window);
  EXPECT_FALSE(tracker_.IsWindowHung(window));
  EXPECT_EQ(desktop_.Probes(), 1);
}

TEST_F(SwitchEngineTest, AWorkerThatTookOverASecondPutsItsWindowBackOnTheDesktop) {
  const WindowHandle explorer = AddExplorerWindow();
  desktop_.DelayNextParentChange(1500);
  EXPECT_FALSE(engine_.ReparentAsync(explorer, holder_, 0)) << "the worker did not end within 100 ms";
  EXPECT_LE(workers_.LongestWaitMs(), 100u);
  EXPECT_EQ(desktop_.ParentChanges(), 2);
  EXPECT_EQ(desktop_.Parent(explorer), nullptr);
  EXPECT_TRUE(OnDesktop(explorer));
}

TEST_F(SwitchEngineTest, AWindowLeavingTheHolderToBePlacedComesOutOfSight) {
  for (const bool wine : {false, true}) {
    desktop_.SetForeignPlacementsRefused(wine);
    for (const std::int32_t showState : {ParkedState::kMaximized, ParkedState::kNormal}) {
      const WindowHandle explorer = AddExplorerWindow();
      desktop_.SetParent(explorer, holder_);
      EXPECT_TRUE(engine_.ReparentAsync(explorer, nullptr, showState));
      EXPECT_EQ(desktop_.Parent(explorer), nullptr);
      // Only a window its caller is about to place is moved away first; a normal one comes back where it was.
      const Rect expected = showState == ParkedState::kNormal ? kNormalRect : Rect{3100, 3100, 3500, 3400};
      EXPECT_EQ(desktop_[explorer].normalRect, expected) << "wine " << wine << ", show state " << showState;
    }
  }
}

struct ShowCommandCase {
  const char* name;
  std::function<WindowHandle()> arrange;
  std::int32_t command;
  bool workerEnded;
  FakeDesktop::State state;
  bool visible;
};

TEST_F(SwitchEngineTest, ApplyShowCommandAsync) {
  const ShowCommandCase cases[] = {
      {"restoring a minimised window that was maximised",
       [this] {
         const WindowHandle window = AddWindow();
         desktop_[window].state = State::kMinimized;
         desktop_[window].restoreToMaximized = true;
         return window;
       },
       kSwRestore, true, State::kMaximized, true},
      {"minimising a window of another screen keeps it hidden",
       [this] {
         const WindowHandle window = AddWindow();
         desktop_[window].visible = false;
         return window;
       },
       kSwMinimize, true, State::kMinimized, false},
      {"a hidden window whose owned windows went along is left alone",
       [this] {
         const WindowHandle window = AddWindow();
         AddOwnedWindow(window);
         engine_.SetWindowOnDesktop(window, false, nullptr, nullptr);
         return window;
       },
       kSwMinimize, true, State::kNormal, false},
      {"a window that does not answer",
       [this] {
         const WindowHandle window = AddWindow();
         desktop_[window].hung = true;
         return window;
       },
       kSwMinimize, false, State::kNormal, true},
      {"restoring a maximised window under Wine",
       [this] {
         desktop_.SetForeignPlacementsRefused(true);
         const WindowHandle window = AddWindow();
         desktop_[window].state = State::kMaximized;
         return window;
       },
       kSwRestore, true, State::kNormal, true},
      {"restoring a minimised window under Wine",
       [this] {
         const WindowHandle window = AddWindow();
         desktop_[window].state = State::kMinimized;
         return window;
       },
       kSwRestore, true, State::kNormal, true},
  };
  for (const ShowCommandCase& c : cases) {
    const WindowHandle window = c.arrange();
    const int workersBefore = workers_.Started();
    EXPECT_EQ(engine_.ApplyShowCommandAsync(window, c.command), c.workerEnded) << c.name;
    EXPECT_EQ(workers_.Started() - workersBefore, c.workerEnded ? 1 : 0) << c.name;
    EXPECT_EQ(desktop_[window].state, c.state) << c.name;
    EXPECT_EQ(desktop_.IsVisible(window), c.visible) << c.name;
    EXPECT_EQ(desktop_[window].normalRect, kNormalRect) << c.name << ": the normal rectangle is kept";
    if (!desktop_[window].hung) {
      EXPECT_FALSE(tracker_.IsWindowHung(window)) << c.name << ": left in the busy set";
    }
  }
  EXPECT_EQ(desktop_.BlockingCallsToHungWindows(), 0);
}

TEST_F(SwitchEngineTest, ReleaseParkedWindowsHandsEveryParkedWindowBack) {
  const WindowHandle first = AddExplorerWindow();
  const WindowHandle second = AddExplorerWindow(State::kMaximized);
  engine_.SetWindowOnDesktop(first, false, nullptr, nullptr);
  engine_.SetWindowOnDesktop(second, false, nullptr, nullptr);
  ASSERT_EQ(desktop_.ChildWindows(holder_).size(), 2u);
  engine_.ReleaseParkedWindows();
  EXPECT_TRUE(desktop_.ChildWindows(holder_).empty());
  EXPECT_EQ(desktop_.Parent(first), nullptr);
  EXPECT_EQ(desktop_.Parent(second), nullptr);
  EXPECT_EQ(desktop_[second].state, State::kMaximized) << "handed back as it is";
}

TEST_F(SwitchEngineTest, ReleaseParkedWindowsGivesAWindowThatDoesNotAnswerThreeSeconds) {
  const WindowHandle late = AddExplorerWindow();
  const WindowHandle never = AddExplorerWindow();
  engine_.SetWindowOnDesktop(late, false, nullptr, nullptr);
  engine_.SetWindowOnDesktop(never, false, nullptr, nullptr);
  desktop_[late].hung = true;
  desktop_[never].hung = true;
  const std::uint32_t start = clock_.TickCount();
  clock_.SetOnSleep([this, start, late] {
    if (clock_.TickCount() - start >= 1000) desktop_[late].hung = false;
  });

  engine_.ReleaseParkedWindows();
  EXPECT_EQ(desktop_.Parent(late), nullptr) << "answered after a second";
  EXPECT_EQ(desktop_.Parent(never), holder_);
  const std::uint32_t waited = clock_.TickCount() - start;
  EXPECT_GE(waited, 3000u);
  EXPECT_LT(waited, 3500u) << "the program's end is not held up for long";
  EXPECT_EQ(desktop_.BlockingCallsToHungWindows(), 0);
}

}  // namespace
}  // namespace qiv
