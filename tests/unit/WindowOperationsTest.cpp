// Window operations across screens: moving and copying windows, the rules for windows that are off the desktop,
// and sending a window that shows itself back to its screen.
#include "engine/WindowOperations.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/HookLockScope.h"
#include "tests/unit/EngineTestBed.h"

namespace qiv {
namespace {

using Windows = std::vector<WindowHandle>;

class WindowOperationsTest : public EngineTestBed {
 protected:
  WindowOperationsTest() { UseScreens(3); }

  // Which screens hold the window.
  std::vector<int> ScreensOf(WindowHandle window) {
    std::vector<int> screens;
    for (int i = 0; i < model_.ScreenCount(); ++i) {
      if (Screen(i).Contains(window)) screens.push_back(i);
    }
    return screens;
  }
  void Park(WindowHandle window, std::int32_t showState) {
    engine_.SetWindowOnDesktop(window, false, nullptr, nullptr);
    engine_.ParkedStates()[window].showState = showState;
  }
};

struct CanCase {
  const char* name;
  FakeDesktop::State state;
  bool disabled;
  bool boxes;
  std::int32_t parkedAs;  // 0: not parked
  bool canRestore;
  bool canMaximize;
  bool canMinimize;
};

TEST_F(WindowOperationsTest, CanRestoreMaximizeMinimize) {
  const CanCase cases[] = {
      {"normal", State::kNormal, false, true, 0, false, true, true},
      {"maximised", State::kMaximized, false, true, 0, true, false, true},
      {"minimised", State::kMinimized, false, true, 0, true, true, false},
      {"disabled", State::kMaximized, true, true, 0, false, false, false},
      {"without maximise and minimise boxes", State::kNormal, false, false, 0, false, false, false},
      {"parked to come back normal", State::kNormal, false, true, ParkedState::kNormal, false, false, false},
      {"parked to come back maximised", State::kNormal, false, true, ParkedState::kMaximized, true, true, false},
      {"parked to come back minimised", State::kNormal, false, true, ParkedState::kMinimized, true, false, true},
      {"parked maximised and disabled", State::kNormal, true, true, ParkedState::kMaximized, false, false, false},
  };
  for (const CanCase& c : cases) {
    const WindowHandle window = AddExplorerWindow(c.state);
    desktop_[window].disabled = c.disabled;
    desktop_[window].maximizeBox = c.boxes;
    desktop_[window].minimizeBox = c.boxes;
    if (c.parkedAs != 0) Park(window, c.parkedAs);
    EXPECT_EQ(operations_.CanRestore(window), c.canRestore) << c.name;
    EXPECT_EQ(operations_.CanMaximize(window), c.canMaximize) << c.name;
    EXPECT_EQ(operations_.CanMinimize(window), c.canMinimize) << c.name;
  }
}

TEST_F(WindowOperationsTest, SetParkedShowState) {
  const struct {
    std::uint32_t command;
    std::int32_t before;
    std::int32_t after;
  } cases[] = {
      {kScMinimize, ParkedState::kNormal, ParkedState::kMinimized},
      {kScMaximize, ParkedState::kMinimized, ParkedState::kMaximized},
      {kScRestore, ParkedState::kMaximized, ParkedState::kNormal},
      {0xF060, ParkedState::kMaximized, ParkedState::kMaximized},  // close: not a show state
  };
  for (const auto& c : cases) {
    const WindowHandle window = AddExplorerWindow();
    Park(window, c.before);
    operations_.SetParkedShowState(window, c.command);
    EXPECT_EQ(engine_.ParkedStates()[window].showState, c.after) << std::hex << c.command;
  }
  const WindowHandle notParked = AddWindow();
  operations_.SetParkedShowState(notParked, kScMinimize);
  EXPECT_EQ(engine_.ParkedStates().count(notParked), 0u);
}

struct BelongsCase {
  const char* name;
  // Answers the shown window; its parent or owner is arranged on or off the desktop and in screen lists.
  std::function<WindowHandle()> arrange;
  bool belongsToCurrent;
  bool belongsToOther;
};

TEST_F(WindowOperationsTest, BelongsByOwner) {
  const auto ownedBy = [this](WindowHandle owner) { return AddOwnedWindow(owner); };
  const BelongsCase cases[] = {
      {"no parent and no owner", [this] { return AddWindow(); }, false, false},
      {"owner on the desktop", [&] { return ownedBy(AddWindow()); }, true, false},
      {"owner on the desktop, listed in the other screen",
       [&] {
         const WindowHandle owner = AddWindow();
         Screen(1).Add(owner);
         return ownedBy(owner);
       },
       true, true},
      {"owner hidden in the other screen",
       [&] {
         const WindowHandle owner = AddWindow();
         Place(1, {owner});
         return ownedBy(owner);
       },
       false, true},
      {"owner parked in the other screen",
       [&] {
         const WindowHandle owner = AddExplorerWindow();
         Place(1, {owner});
         return ownedBy(owner);
       },
       false, true},
      {"parent hidden in the other screen",
       [this] {
         const WindowHandle parent = AddWindow();
         Place(1, {parent});
         return desktop_.Create(FakeDesktop::Window{}, parent);
       },
       false, true},
  };
  for (const BelongsCase& c : cases) {
    const WindowHandle window = c.arrange();
    EXPECT_EQ(operations_.BelongsByOwner(Screen(0), window), c.belongsToCurrent) << c.name;
    EXPECT_EQ(operations_.BelongsByOwner(Screen(1), window), c.belongsToOther) << c.name;
  }
}

struct MoveCase {
  const char* name;
  int source;
  int target;
  bool copy;
  std::vector<int> screens;
  bool onDesktop;
};

TEST_F(WindowOperationsTest, MoveToScreen) {
  const MoveCase cases[] = {
      {"move away from the current screen", 0, 1, false, {1}, false},
      {"copy from the current screen", 0, 1, true, {0, 1}, true},
      {"move to the current screen", 1, 0, false, {0}, true},
      {"copy to the current screen", 1, 0, true, {0, 1}, true},
      {"move between hidden screens", 1, 2, false, {2}, false},
  };
  for (const MoveCase& c : cases) {
    const WindowHandle window = AddWindow();
    Place(c.source, {window});
    HookLockScope drop(hookLock_);
    operations_.MoveToScreen(window, Screen(c.source), Screen(c.target), c.copy);
    EXPECT_EQ(ScreensOf(window), c.screens) << c.name;
    EXPECT_EQ(desktop_.IsVisible(window), c.onDesktop) << c.name;
  }
}

TEST_F(WindowOperationsTest, CopyToAllScreensThenKeepOnlyInOne) {
  const WindowHandle window = AddWindow();
  Place(1, {window});
  {
    HookLockScope command(hookLock_);
    operations_.CopyToAllScreens(window);
  }
  EXPECT_EQ(ScreensOf(window), (std::vector<int>{0, 1, 2})) << "one entry per screen";
  EXPECT_TRUE(desktop_.IsVisible(window));
  clock_.Advance(2500);
  EXPECT_FALSE(operations_.DispatchShownWindow(window)) << "its application shows it again: it stays";

  operations_.KeepOnlyInScreen(window, Screen(2));
  EXPECT_EQ(ScreensOf(window), (std::vector<int>{2}));
  EXPECT_FALSE(desktop_.IsVisible(window));
}

TEST_F(WindowOperationsTest, TopmostOfWindowsOffTheDesktop) {
  const WindowHandle parked = AddExplorerWindow();
  Place(1, {parked});
  operations_.SetTopmost(parked, true);
  EXPECT_TRUE(operations_.IsTopmost(parked)) << "kept for when it comes back";
  EXPECT_FALSE(desktop_[parked].topmost);

  const WindowHandle hidden = AddWindow();
  Place(1, {hidden});
  operations_.SetTopmost(hidden, true);
  EXPECT_TRUE(desktop_[hidden].topmost);
  EXPECT_FALSE(desktop_.IsVisible(hidden)) << "made topmost without being shown";

  const WindowHandle disabled = AddWindow();
  desktop_[disabled].disabled = true;
  operations_.SetTopmost(disabled, true);
  EXPECT_FALSE(operations_.IsTopmost(disabled));
}

class DispatchTest : public WindowOperationsTest {
 protected:
  DispatchTest() { settings_.SelfActivateSound = "C:\\Sounds\\ding.wav"; }

  // A window of a hidden screen that its application shows again.
  WindowHandle ShownAgain(const std::vector<int>& screens) {
    const WindowHandle window = AddWindow();
    for (int screen : screens) Place(screen, {window});
    desktop_[window].visible = true;
    return window;
  }
};

TEST_F(DispatchTest, AWindowGoesBackToEveryScreenThatHoldsIt) {
  const WindowHandle window = ShownAgain({1, 2});
  const Windows current = Screen(0).Windows();
  EXPECT_TRUE(operations_.DispatchShownWindow(window));
  EXPECT_FALSE(desktop_.IsVisible(window));
  EXPECT_EQ(ScreensOf(window), (std::vector<int>{1, 2}));
  EXPECT_EQ(Screen(1).AttentionWindow(), window);
  EXPECT_EQ(Screen(2).AttentionWindow(), window);
  EXPECT_EQ(sound_.Played(), (std::vector<std::string>{"C:\\Sounds\\ding.wav"})) << "once";
  EXPECT_EQ(Screen(0).Windows(), current) << "the current screen is untouched";
}

TEST_F(DispatchTest, ADialogGoesToTheFirstScreenOfItsOwner) {
  const WindowHandle owner = AddWindow();
  Place(1, {owner});
  Place(2, {owner});
  const WindowHandle dialog = AddOwnedWindow(owner);
  EXPECT_TRUE(operations_.DispatchShownWindow(dialog));
  EXPECT_FALSE(desktop_.IsVisible(dialog));
  EXPECT_EQ(ScreensOf(dialog), (std::vector<int>{1}));
  EXPECT_EQ(Screen(1).AttentionWindow(), dialog);
  EXPECT_EQ(Screen(2).AttentionWindow(), nullptr);
  EXPECT_EQ(sound_.Played().size(), 1u);
  EXPECT_TRUE(Screen(0).Windows().empty());
}

TEST_F(DispatchTest, AWindowTheRefreshJustTookInIsStillSentToItsScreen) {
  // One that the program took off the desktop is never taken in: it belongs to the screen it left with.
  const WindowHandle takenOff = ShownAgain({1});
  model_.RefreshScreenState();
  EXPECT_FALSE(Screen(0).Contains(takenOff));
  EXPECT_TRUE(operations_.DispatchShownWindow(takenOff));
  EXPECT_EQ(ScreensOf(takenOff), (std::vector<int>{1}));

  // One that the refresh took in before the report arrived, a moment after it joined a hidden screen's list.
  const WindowHandle window = AddWindow();
  model_.RefreshScreenState();
  ASSERT_TRUE(Screen(0).Contains(window));
  Screen(2).Add(window);
  EXPECT_TRUE(operations_.DispatchShownWindow(window));
  EXPECT_EQ(ScreensOf(window), (std::vector<int>{2}));
}

TEST_F(DispatchTest, WindowsThatStayWhereTheyAre) {
  settings_.SelfActivateBlink = 0;
  const struct {
    const char* name;
    std::function<WindowHandle()> arrange;
  } cases[] = {
      {"known to no screen", [this] { return AddWindow(); }},
      {"held by the current screen too",
       [this] {
         const WindowHandle window = ShownAgain({1});
         Screen(0).Add(window);
         clock_.Advance(2500);
         return window;
       }},
      {"owned by a window on the desktop", [this] { return AddOwnedWindow(AddWindow()); }},
      {"with screen integrity protection off",
       [this] {
         settings_.SmartDispatch = 0;
         return ShownAgain({1});
       }},
  };
  for (const auto& c : cases) {
    const WindowHandle window = c.arrange();
    EXPECT_FALSE(operations_.DispatchShownWindow(window)) << c.name;
    EXPECT_TRUE(desktop_.IsVisible(window)) << c.name;
  }
  EXPECT_TRUE(sound_.Played().empty());
  for (int i = 0; i < model_.ScreenCount(); ++i) EXPECT_EQ(Screen(i).AttentionWindow(), nullptr);
}

TEST_F(DispatchTest, AWindowThatNeverAppearsCostsAtMostTheTwoWaits) {
  settings_.SelfActivateSound.clear();
  const WindowHandle window = AddWindow();
  Place(1, {window});
  const std::uint32_t start = clock_.TickCount();
  EXPECT_TRUE(operations_.DispatchShownWindow(window));
  EXPECT_EQ(clock_.TickCount() - start, 3000u) << "waited for it to appear, not for it to go";
  EXPECT_TRUE(sound_.Played().empty());
}

}  // namespace
}  // namespace qiv
