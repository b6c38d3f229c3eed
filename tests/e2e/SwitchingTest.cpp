// Switching screens under Wine with windows of the helper process: hot keys, z-order,
// Explorer windows parked in the holder, hung windows, windows that show themselves on
// a hidden screen, and the close command bringing every window back.
#include "resources/resource.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/QivTest.h"
#include "tests/e2e/harness/SwitchingFixture.h"
#include "tests/e2e/helper/HelperProtocol.h"

#include <algorithm>
#include <sstream>

namespace qiv::e2e {
namespace {

using Switching = SwitchingFixture;

TEST_F(Switching, HotKeysHideAndBringBackWindowsInTheirZOrder) {
  HWND bottom = helper_.Open("title=Bottom|x=50|y=50");
  HWND middle = helper_.Open("title=Middle|x=80|y=80");
  HWND top = helper_.Open("title=Top|x=110|y=110");
  ASSERT_TRUE(bottom && middle && top);
  ASSERT_TRUE(ZOrderIndex(top) < ZOrderIndex(middle) && ZOrderIndex(middle) < ZOrderIndex(bottom));

  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  EXPECT_TRUE(VisibleState({bottom, middle, top}, false));

  ASSERT_TRUE(PressCtrlAlt('1'));
  ASSERT_TRUE(ScreenBecomes(0));
  EXPECT_TRUE(VisibleState({bottom, middle, top}, true));
  // The helper's thread applies the batch's positions and the activation after it has shown the windows.
  EXPECT_TRUE(Eventually("the windows in their old z-order", [&] {
    const int topIndex = ZOrderIndex(top);
    const int middleIndex = ZOrderIndex(middle);
    const int bottomIndex = ZOrderIndex(bottom);
    return topIndex < middleIndex && middleIndex < bottomIndex;
  }));
}

TEST_F(Switching, ScreenKeyIsSwallowedThoughTheSwitchOutlastsTheHooksWait) {
  // Enough windows that hiding them takes far longer than the 10 ms the keyboard hook waits for its answer.
  std::vector<HWND> windows;
  for (int i = 0; i < 40; ++i) windows.push_back(helper_.Open("title=Window " + std::to_string(i)));
  ASSERT_EQ(std::count(windows.begin(), windows.end(), nullptr), 0);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  EXPECT_TRUE(VisibleState(windows, false));
  EXPECT_TRUE(Throughout(
      "the screen's key to stay away from the focused window",
      [&] { return helper_.KeyDownCount(typingTarget_, '2') == 0; }, 500));
}

TEST_F(Switching, NextAndPreviousKeysWrapAround) {
  HWND window = helper_.Open("title=On the first screen");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PressCtrlAlt(VK_LEFT));
  ASSERT_TRUE(ScreenBecomes(4)) << "previous from the first screen is the last";
  EXPECT_TRUE(VisibleState({window}, false));
  ASSERT_TRUE(PressCtrlAlt(VK_RIGHT));
  ASSERT_TRUE(ScreenBecomes(0)) << "next from the last screen is the first";
  EXPECT_TRUE(VisibleState({window}, true));
  EXPECT_TRUE(Eventually("next and previous to reach the focused window as well", [&] {
    return helper_.KeyDownCount(typingTarget_, VK_LEFT) == 1 && helper_.KeyDownCount(typingTarget_, VK_RIGHT) == 1;
  }));
}

TEST_F(Switching, ExplorerWindowIsParkedAndComesBackMaximised) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer window");
  ASSERT_NE(explorer, nullptr);
  ::ShowWindowAsync(explorer, SW_MAXIMIZE);
  ASSERT_TRUE(Eventually("the Explorer window maximised", [&] { return ::IsZoomed(explorer) != FALSE; }));

  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(Eventually("the Explorer window parked in Qiv's holder", [&] { return qiv_.IsParked(explorer); }));
  RECT holder = {};
  ::GetWindowRect(::GetAncestor(explorer, GA_PARENT), &holder);
  const RECT virtualScreen = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                              ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                              ::GetSystemMetrics(SM_YVIRTUALSCREEN) + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  RECT overlap = {};
  EXPECT_FALSE(::IntersectRect(&overlap, &holder, &virtualScreen)) << "the holder covers part of a monitor";

  ASSERT_TRUE(PressCtrlAlt('1'));
  ASSERT_TRUE(ScreenBecomes(0));
  EXPECT_TRUE(Eventually("the Explorer window back on the desktop, maximised and visible", [&] {
    return ::GetAncestor(explorer, GA_PARENT) == ::GetDesktopWindow() && ::IsZoomed(explorer) &&
           ::IsWindowVisible(explorer);
  }));
}

TEST_F(Switching, ParkedWindowThatHungComesBackOnceItAnswers) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer window|thread");
  ASSERT_NE(explorer, nullptr);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(Eventually("the Explorer window parked",
                         [&] { return ::GetAncestor(explorer, GA_PARENT) != ::GetDesktopWindow(); }));
  ASSERT_TRUE(Hang(explorer, 3000));

  ASSERT_TRUE(ClickScreenButton(0));
  ASSERT_TRUE(ScreenBecomes(0));
  EXPECT_TRUE(Eventually(
      "the Explorer window back on the desktop once it answers",
      [&] { return ::GetAncestor(explorer, GA_PARENT) == ::GetDesktopWindow() && ::IsWindowVisible(explorer); },
      10000));
}

// Back on its own screen while it hangs, the window stays parked and in that screen's list: when the user leaves
// again before it answers, it must wait for its screen instead of coming back on the one that is current then.
TEST_F(Switching, ParkedWindowThatHungStaysWithItsScreen) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer window|thread");
  ASSERT_NE(explorer, nullptr);
  ::Sleep(2 * kScreenStateTickMs);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(Eventually("the Explorer window parked",
                         [&] { return ::GetAncestor(explorer, GA_PARENT) != ::GetDesktopWindow(); }));
  constexpr WPARAM kHangMs = 4000;
  const ULONGLONG hangEnds = ::GetTickCount64() + kHangMs;
  ASSERT_TRUE(Hang(explorer, kHangMs));
  ASSERT_TRUE(ClickScreenButton(0));
  ASSERT_TRUE(ScreenBecomes(0));
  // The screen-state ticks see it parked and hung on its own screen.
  ::Sleep(3 * kScreenStateTickMs);
  ASSERT_TRUE(ClickScreenButton(1));
  ASSERT_TRUE(ScreenBecomes(1));
  ::Sleep(static_cast<DWORD>(hangEnds - std::min(hangEnds, ::GetTickCount64())) + 3 * kScreenStateTickMs);
  EXPECT_NE(::GetAncestor(explorer, GA_PARENT), ::GetDesktopWindow()) << "it came back on screen 2";

  ASSERT_TRUE(ClickScreenButton(0));
  ASSERT_TRUE(ScreenBecomes(0));
  EXPECT_TRUE(Eventually("the Explorer window back on its own screen", [&] {
    return ::GetAncestor(explorer, GA_PARENT) == ::GetDesktopWindow() && ::IsWindowVisible(explorer);
  }));
}

TEST_F(Switching, HungWindowDoesNotStopTheSwitch) {
  HWND hung = helper_.Open("title=Hung window|thread");
  HWND normal = helper_.Open("title=Normal window");
  ASSERT_TRUE(hung && normal);
  ASSERT_TRUE(Hang(hung, 8000));

  ASSERT_TRUE(SwitchesPromptly(1, 4000));
  EXPECT_TRUE(VisibleState({normal}, false));
  EXPECT_TRUE(::IsWindowVisible(hung)) << "a hung window is left on the desktop";
}

TEST_F(Switching, WindowThatHungOnAHiddenScreenDoesNotHoldUpTheSwitchBack) {
  HWND hung = helper_.Open("title=Hangs while hidden|thread");
  HWND normal = helper_.Open("title=Normal window");
  ASSERT_TRUE(hung && normal);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(VisibleState({hung, normal}, false));
  ASSERT_TRUE(Hang(hung, 6000));

  ASSERT_TRUE(SwitchesPromptly(0, 3000));
  EXPECT_TRUE(VisibleState({normal}, true));
  EXPECT_TRUE(Eventually(
      "the hung window to show once it answers", [&] { return ::IsWindowVisible(hung) != FALSE; }, 10000));
}

TEST_F(Switching, HotKeysKeepWorkingWhileAProgramStaysHung) {
  HWND hung = helper_.Open("title=Hung window|thread");
  ASSERT_NE(hung, nullptr);
  ASSERT_TRUE(Hang(hung, 20000));
  // The system calls a window hung once its thread has taken no message for five seconds.
  ASSERT_TRUE(Eventually(
      "the system to call the window hung", [&] { return ::IsHungAppWindow(hung) != FALSE; }, 8000));
  // A probe of the screen-state tick may have begun just before that and still hold the panel for its 200 ms.
  ::Sleep(kScreenStateTickMs);
  for (int round = 0; round < 4; ++round) {
    ASSERT_TRUE(PressCtrlAlt('2'));
    ASSERT_TRUE(ScreenBecomes(1)) << "round " << round;
    ASSERT_TRUE(PressCtrlAlt('1'));
    ASSERT_TRUE(ScreenBecomes(0)) << "round " << round;
  }
}

TEST_F(Switching, AHungWindowCostsOneWaitNotOnePerSwitch) {
  HWND hung = helper_.Open("title=Hung window|thread");
  ASSERT_NE(hung, nullptr);
  std::vector<HWND> others;
  for (int i = 0; i < 19; ++i) others.push_back(helper_.Open("title=Window " + std::to_string(i)));
  ASSERT_EQ(std::count(others.begin(), others.end(), nullptr), 0);
  ASSERT_TRUE(Hang(hung, 20000));

  // The first switch waits the whole bound for the hung window's hide.
  ASSERT_TRUE(ClickScreenButton(1));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(ClickScreenButton(0));
  ASSERT_TRUE(ScreenBecomes(0));
  ASSERT_TRUE(VisibleState(others, true));
  EXPECT_TRUE(SwitchesPromptly(1, 1500)) << "the second switch away from it waits for it again";
  EXPECT_TRUE(VisibleState(others, false));
}

// Hiding sixty windows takes the switch to screen 2 far longer than the hook's 10 ms wait; the key for screen 3
// comes in the middle of it, as a quick hand presses it.
TEST_F(Switching, AHotKeyPressedDuringASlowSwitchSwitchesAfterIt) {
  std::vector<HWND> windows;
  for (int i = 0; i < 60; ++i) windows.push_back(helper_.Open("title=Window " + std::to_string(i)));
  ASSERT_EQ(std::count(windows.begin(), windows.end(), nullptr), 0);
  // Qiv takes new windows in on its screen-state tick.
  ::Sleep(3 * kScreenStateTickMs);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ::Sleep(50);
  ASSERT_TRUE(PressCtrlAlt('3'));
  EXPECT_TRUE(ScreenBecomes(2));
  EXPECT_TRUE(Throughout(
      "both screen keys to stay away from the focused window",
      [&] { return helper_.KeyDownCount(typingTarget_, '2') == 0 && helper_.KeyDownCount(typingTarget_, '3') == 0; },
      500));
  EXPECT_TRUE(VisibleState(windows, false));
}

TEST_F(Switching, DialogOfAHiddenScreenIsSentBackToItsScreen) {
  HWND owner = helper_.Open("title=Application on screen 1");
  ASSERT_NE(owner, nullptr);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(VisibleState({owner}, false));

  std::ostringstream fields;
  fields << "title=Dialog of screen 1|owner=" << reinterpret_cast<ULONG_PTR>(owner);
  HWND dialog = helper_.Open(fields.str());
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Eventually(
      "the dialog taken off the current screen", [&] { return !::IsWindowVisible(dialog); }, 8000));

  ASSERT_TRUE(PressCtrlAlt('1'));
  ASSERT_TRUE(ScreenBecomes(0));
  EXPECT_TRUE(VisibleState({owner, dialog}, true));
}

TEST_F(Switching, CloseEndsInTimeThoughAParkedWindowHangs) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Hangs while parked|thread");
  ASSERT_NE(explorer, nullptr);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(Eventually("the Explorer window parked",
                         [&] { return ::GetAncestor(explorer, GA_PARENT) != ::GetDesktopWindow(); }));
  ASSERT_TRUE(Hang(explorer, 30000));

  ::PostMessageA(panel_, WM_COMMAND, IDM_CLOSE, 0);
  HWND question = qiv_.WaitForMessageBox("Do you really want to close Qivdesk?");
  ASSERT_NE(question, nullptr);
  const ULONGLONG start = ::GetTickCount64();
  PressDialogButton(question, IDYES);
  // Three seconds for the parked window to answer, two for the holder to go, three more for a last try.
  EXPECT_TRUE(qiv_.Process().WaitForExit(12000)) << "a hung program kept Qiv from ending";
  EXPECT_LT(::GetTickCount64() - start, 12000u);
}

TEST_F(Switching, CloseBringsEveryWindowBack) {
  HWND first = helper_.Open("title=On screen 1");
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer on screen 1");
  ASSERT_TRUE(first && explorer);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  HWND second = helper_.Open("title=On screen 2");
  ASSERT_NE(second, nullptr);
  ASSERT_TRUE(PressCtrlAlt('3'));
  ASSERT_TRUE(ScreenBecomes(2));
  ASSERT_TRUE(VisibleState({first, second}, false));

  ASSERT_TRUE(qiv_.Close());
  EXPECT_TRUE(VisibleState({first, second, explorer}, true));
  EXPECT_EQ(::GetAncestor(explorer, GA_PARENT), ::GetDesktopWindow());
}

}  // namespace
}  // namespace qiv::e2e
