// What one pass over a screen's windows asks the desktop. Every question is a round trip to the window system,
// which with a hundred windows costs more than the hides and shows themselves: a pass walks the desktop at most
// once and asks each window only what it needs, once.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/EngineTestBed.h"

namespace qiv {
namespace {

constexpr int kWindows = 20;
// The windows of one program, all on one thread.
constexpr std::uint32_t kProgramThread = 5;

class DesktopQueriesTest : public EngineTestBed {
 protected:
  DesktopQueriesTest() {
    UseScreens(3);
    FakeDesktop::Window window;
    window.threadId = kProgramThread;
    for (int i = 0; i < kWindows; ++i) {
      window.text = "Window " + std::to_string(i);
      windows_.push_back(AddWindow(window));
    }
  }

  std::vector<WindowHandle> windows_;
};

struct QueryBound {
  const char* query;
  int most;
};

struct PassCase {
  const char* name;
  std::function<void()> arrange;
  std::function<void()> pass;
  int walks;
  std::vector<QueryBound> bounds;
};

TEST_F(DesktopQueriesTest, APassAsksEachWindowOnceAndWalksTheDesktopAtMostOnce) {
  // The windows, and the holder, which is a top-level window too.
  const int desktopWindows = kWindows + 1;
  const PassCase cases[] = {
      {"the current screen's refresh, without sticky rules",
       [this] { Place(0, windows_); },
       [this] { tracker_.RefreshScreenWindows(Screen(0), nullptr); },
       1,
       {{"IsVisible", desktopWindows},
        {"Creator", desktopWindows},
        {"Owner", desktopWindows},
        {"Exists", 0},
        {"Parent", 0},
        {"Text", 0},
        {"ClassName", 0}}},
      {"the current screen's refresh, with a sticky rule",
       [this] {
         Place(0, windows_);
         StickyRule rule;
         rule.text = "No such window";
         rule.useText = true;
         settings_.StickyRules.Append(rule);
       },
       [this] { tracker_.RefreshScreenWindows(Screen(0), nullptr); },
       1,
       {{"Text", desktopWindows}, {"ClassName", desktopWindows}, {"Exists", 0}, {"Parent", 0}}},
      {"the hides of a switch",
       [this] { Place(0, windows_); },
       [this] { engine_.HideScreenWindows(Screen(0), &Screen(1)); },
       1,
       // Whether it is on the desktop, whether it owns a visible window, whether it has gone.
       {{"IsVisible", kWindows + desktopWindows + kWindows},
        {"ClassName", kWindows},
        {"Owner", desktopWindows},
        {"Has", 0},
        {"Exists", 0},
        {"Parent", 0}}},
      {"the hides of a screen without windows",
       [] {},
       [this] { engine_.HideScreenWindows(Screen(1), &Screen(0)); },
       0,
       {{"IsVisible", 0}, {"Owner", 0}}},
      {"the shows of a switch",
       [this] { Place(1, windows_); },
       [this] { engine_.ShowScreenWindows(Screen(1)); },
       0,
       {{"IsVisible", kWindows}, {"ClassName", kWindows}, {"Creator", kWindows}, {"Has", 0}, {"Exists", 0}}},
      {"a button's emptiness",
       [this] { Place(0, windows_); },
       [this] { tracker_.CheckScreenEmpty(Screen(0), nullptr, WindowTracker::EmptyCheck::kUntilAnswer); },
       0,
       {{"Text", 1}, {"Exists", 0}}},
      {"the screen-state tick",
       [this] { Place(0, windows_); },
       [this] { model_.RefreshScreenState(); },
       1,
       // The refresh asks what it needs; the current screen's emptiness then needs one window's text.
       {{"IsVisible", desktopWindows}, {"Text", 1}, {"Exists", 0}, {"Parent", 0}, {"ClassName", 0}}},
  };
  for (const PassCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.arrange();
    std::vector<std::pair<const char*, int>> before;
    for (const QueryBound& bound : c.bounds) before.emplace_back(bound.query, desktop_.Queries(bound.query));
    const int walks = desktop_.TopLevelWalks();
    const int probes = desktop_.Probes();
    c.pass();
    EXPECT_EQ(desktop_.TopLevelWalks() - walks, c.walks) << "walks over the desktop";
    EXPECT_LE(desktop_.Probes() - probes, 1) << "one probe for the program's thread";
    for (std::size_t i = 0; i < c.bounds.size(); ++i) {
      EXPECT_LE(desktop_.Queries(before[i].first) - before[i].second, c.bounds[i].most) << before[i].first;
    }
    // The next case starts from the windows on the desktop, untracked, without rules.
    model_.BringBackAllWindows();
    UseScreens(3);
    settings_.StickyRules = StickyRuleList();
  }
}

}  // namespace
}  // namespace qiv
