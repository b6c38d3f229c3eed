// Window tracking: which windows may be tracked, keeping a screen's list in the desktop's z-order, and the
// screen's empty state.
#include "engine/WindowTracker.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/unit/EngineTestBed.h"

namespace qiv {
namespace {

using Windows = std::vector<WindowHandle>;

class WindowTrackerTest : public EngineTestBed {
 protected:
  WindowTrackerTest() { UseScreens(2); }
};

struct EligibilityCase {
  const char* name;
  // Arranges the window (or replaces it) to fail one test or none.
  std::function<void(WindowHandle&)> arrange;
  bool eligible;
  int probes;
};

// Every window here is hung unless the case says otherwise: a test that fails before the probe must keep it from
// being sent at all.
TEST_F(WindowTrackerTest, EligibilityTestsRunInOrderWithTheProbeLast) {
  const EligibilityCase cases[] = {
      {"closed", [this](WindowHandle& w) { desktop_.Destroy(w); }, false, 0},
      {"hidden", [this](WindowHandle& w) { desktop_[w].visible = false; }, false, 0},
      {"in the excluded screen", [this](WindowHandle& w) { Screen(1).Add(w); }, false, 0},
      {"of our own process", [this](WindowHandle& w) { desktop_[w].processId = FakeDesktop::kOwnProcessId; }, false, 0},
      {"sticky",
       [this](WindowHandle& w) {
         StickyRule rule;
         rule.text = desktop_.Text(w);
         rule.useText = true;
         settings_.StickyRules.Append(rule);
       },
       false, 0},
      {"owned", [this](WindowHandle& w) { desktop_[w].owner = AddWindow(); }, false, 0},
      {"a child",
       [this](WindowHandle& w) {
         FakeDesktop::Window child;
         child.hung = true;
         w = desktop_.Create(child, AddWindow());
       },
       false, 0},
      {"a tool window while those are sticky", [this](WindowHandle& w) { desktop_[w].toolWindow = true; }, false, 0},
      {"hung", [](WindowHandle&) {}, false, 1},
      {"answering", [this](WindowHandle& w) { desktop_[w].hung = false; }, true, 1},
      {"a tool window while those are tracked",
       [this](WindowHandle& w) {
         desktop_[w].hung = false;
         desktop_[w].toolWindow = true;
         settings_.ToolWndAlwaysSticky = 0;
       },
       true, 1},
  };
  for (const EligibilityCase& c : cases) {
    FakeDesktop::Window hung;
    hung.text = c.name;
    hung.hung = true;
    WindowHandle window = AddWindow(hung);
    c.arrange(window);
    const int probesBefore = desktop_.Probes();
    EXPECT_EQ(tracker_.IsEligibleWindow(window, &Screen(1)), c.eligible) << c.name;
    EXPECT_EQ(desktop_.Probes() - probesBefore, c.probes) << c.name;
    settings_.StickyRules.Clear();
    settings_.ToolWndAlwaysSticky = 1;
  }
  EXPECT_LE(desktop_.LongestProbeMs(), 200u);
}

TEST_F(WindowTrackerTest, RefreshSortsTheListSoThatTheTopMostWindowIsLast) {
  const WindowHandle bottom = AddWindow();
  const WindowHandle middle = AddWindow();
  const WindowHandle top = AddWindow();
  Place(0, {top, bottom});
  tracker_.RefreshScreenWindows(Screen(0), nullptr);
  EXPECT_EQ(Screen(0).Windows(), (Windows{bottom, middle, top}));
  desktop_.BringToTop(bottom);
  tracker_.RefreshScreenWindows(Screen(0), nullptr);
  EXPECT_EQ(Screen(0).Windows(), (Windows{middle, top, bottom}));
}

TEST_F(WindowTrackerTest, RefreshDropsWindowsThatAreNoLongerEligible) {
  const WindowHandle kept = AddWindow();
  const WindowHandle hidden = AddWindow();
  const WindowHandle owned = AddWindow();
  const WindowHandle hung = AddWindow();
  const WindowHandle closed = AddWindow();
  Place(0, {kept, hidden, owned, hung, closed});
  desktop_[hidden].visible = false;
  desktop_[owned].owner = kept;
  desktop_[hung].hung = true;
  desktop_.Destroy(closed);
  tracker_.RefreshScreenWindows(Screen(0), nullptr);
  EXPECT_EQ(Screen(0).Windows(), (Windows{kept}));
}

TEST_F(WindowTrackerTest, RefreshProbesEachThreadOnceAndWaitsForAHungThreadOnce) {
  FakeDesktop::Window answering;
  answering.threadId = 7;
  FakeDesktop::Window hung;
  hung.threadId = 8;
  hung.hung = true;
  const Windows answeringWindows = {AddWindow(answering), AddWindow(answering), AddWindow(answering)};
  const Windows hungWindows = {AddWindow(hung), AddWindow(hung)};
  Place(0, {hungWindows[0]});
  const std::uint32_t start = clock_.TickCount();

  tracker_.RefreshScreenWindows(Screen(0), nullptr);
  EXPECT_EQ(Screen(0).Windows(), answeringWindows);
  EXPECT_EQ(desktop_.Probes(), 2);
  EXPECT_EQ(clock_.TickCount() - start, 200u);

  tracker_.RefreshScreenWindows(Screen(0), nullptr);
  EXPECT_EQ(desktop_.Probes(), 4) << "answers do not outlive their pass";
}

TEST_F(WindowTrackerTest, AThreadThatDidNotAnswerCostsTheWholeWaitOnceUntilItAnswersAgain) {
  FakeDesktop::Window hung;
  hung.threadId = 8;
  hung.hung = true;
  const WindowHandle window = AddWindow(hung);
  const auto refreshTime = [this] {
    const std::uint32_t start = clock_.TickCount();
    tracker_.RefreshScreenWindows(Screen(0), nullptr);
    return clock_.TickCount() - start;
  };

  EXPECT_EQ(refreshTime(), 200u);
  for (int pass = 0; pass < 3; ++pass) EXPECT_LE(refreshTime(), 10u) << pass;
  EXPECT_TRUE(Screen(0).Windows().empty());

  desktop_[window].hung = false;
  refreshTime();
  EXPECT_EQ(Screen(0).Windows(), (Windows{window})) << "a thread that answers the short probe is tracked again";
  desktop_[window].hung = true;
  EXPECT_EQ(refreshTime(), 200u) << "and hangs anew with the whole wait";
}

TEST_F(WindowTrackerTest, RefreshLeavesOutTheWindowsOfTheExcludedScreen) {
  const WindowHandle elsewhere = AddWindow();
  const WindowHandle here = AddWindow();
  Screen(1).Add(elsewhere);
  tracker_.RefreshScreenWindows(Screen(0), &Screen(1));
  EXPECT_EQ(Screen(0).Windows(), (Windows{here}));
}

TEST_F(WindowTrackerTest, AddingAWindowTwiceKeepsOneEntryAndTheFirstTime) {
  const WindowHandle window = AddWindow();
  Screen(0).Add(window);
  clock_.Advance(1500);
  Screen(0).Add(window);
  clock_.Advance(1000);
  EXPECT_EQ(Screen(0).Windows(), (Windows{window}));
  EXPECT_FALSE(tracker_.AddedTimes().WasRecentlyAdded(window));
}

TEST_F(WindowTrackerTest, CheckScreenEmptyCountsOnlyTitledAnsweringWindows) {
  FakeDesktop::Window untitled;
  untitled.text = "";
  FakeDesktop::Window hung;
  hung.hung = true;
  const WindowHandle untitledWindow = AddWindow(untitled);
  const WindowHandle hungWindow = AddWindow(hung);
  const WindowHandle closed = AddWindow();
  Place(1, {untitledWindow, hungWindow, closed});
  desktop_.Destroy(closed);
  Screen(1).SetAttentionWindow(hungWindow);
  Screen(1).SetEmpty(false);

  EXPECT_TRUE(tracker_.CheckScreenEmpty(Screen(1)));
  EXPECT_TRUE(Screen(1).IsEmpty());
  EXPECT_EQ(Screen(1).Windows(), (Windows{untitledWindow, hungWindow}))
      << "only a closed window leaves the list; an untitled one stays hidden with its screen";
  EXPECT_EQ(Screen(1).AttentionWindow(), nullptr) << "an empty screen stops blinking";

  const WindowHandle answering = AddWindow();
  Place(1, {answering});
  Screen(1).SetAttentionWindow(answering);
  EXPECT_FALSE(tracker_.CheckScreenEmpty(Screen(1)));
  EXPECT_EQ(Screen(1).AttentionWindow(), answering);
}

}  // namespace
}  // namespace qiv
