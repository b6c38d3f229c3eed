// A running Qiv.exe with its panel settled and the helper program's typing target in the foreground: the
// starting point of every test that switches screens.
#pragma once

#include "resources/resource.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/QivTest.h"
#include "tests/e2e/helper/HelperProtocol.h"

#include <string>
#include <vector>

namespace qiv::e2e {

// The panel's screen-state refresh runs this often.
constexpr DWORD kScreenStateTickMs = 500;

class SwitchingFixture : public QivTest {
 protected:
  void SetUp() override {
    QivTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(PrepareSettings());
    ASSERT_TRUE(helper_.Start());
    ASSERT_NO_FATAL_FAILURE(StartQiv());
    // Tool windows are sticky: this one stays on every screen and holds the focus while keys are typed,
    // so they always reach a thread of an application, as they would on a user's desktop.
    typingTarget_ = helper_.Open("title=Typing target|tool|x=1000|y=800|w=200|h=100");
    ASSERT_NE(typingTarget_, nullptr);
  }

  // Writes the settings the test starts Qiv.exe with, into the emptied key. Default: none.
  virtual void PrepareSettings() {}

  // Presses Ctrl+Alt+key with the helper's typing target in the foreground, as a user would.
  ::testing::AssertionResult PressCtrlAlt(WORD key) {
    if (::testing::AssertionResult focused = helper_.BringToForeground(typingTarget_); !focused) return focused;
    if (!PressChord({VK_CONTROL, VK_MENU, key})) return ::testing::AssertionFailure() << "SendInput failed";
    return ::testing::AssertionSuccess();
  }

  // A click queues like a user's and is never lost, whereas a hot key finds the panel busy while it probes a
  // program that does not answer, and goes on to the focused application.
  ::testing::AssertionResult ClickScreenButton(int index) {
    RECT item = {};
    if (!QivProcess::ScreenButtonRect(panel_, index, item)) {
      return ::testing::AssertionFailure() << "no screen button " << index;
    }
    POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    if (!ClickAt(centre)) return ::testing::AssertionFailure() << "the click failed";
    return ::testing::AssertionSuccess();
  }

  // A click on the screen's button makes it current in less than limitMs: a switch that waits for a hung window
  // takes seconds.
  ::testing::AssertionResult SwitchesPromptly(int screen, ULONGLONG limitMs) {
    const ULONGLONG start = ::GetTickCount64();
    if (::testing::AssertionResult clicked = ClickScreenButton(screen); !clicked) return clicked;
    if (::testing::AssertionResult current = ScreenBecomes(screen); !current) return current;
    const ULONGLONG took = ::GetTickCount64() - start;
    if (took >= limitMs) return ::testing::AssertionFailure() << "the switch took " << took << " ms";
    return ::testing::AssertionSuccess();
  }

  // Makes the window's thread stop answering for ms milliseconds.
  static ::testing::AssertionResult Hang(HWND window, WPARAM ms) {
    ::PostMessageA(window, kMsgHang, ms, 0);
    return Eventually("the window's thread to stop answering", [&] {
      DWORD_PTR reply = 0;
      return !::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 100, &reply);
    });
  }

  ::testing::AssertionResult ScreenBecomes(int screen) {
    return Eventually("screen " + std::to_string(screen) + " to become current",
                      [&] { return QivProcess::CurrentScreen(panel_) == screen; });
  }

  static ::testing::AssertionResult VisibleState(const std::vector<HWND>& windows, bool visible) {
    return Eventually(visible ? "the windows to be visible" : "the windows to be hidden", [&] {
      for (HWND window : windows) {
        if ((::IsWindowVisible(window) != FALSE) != visible) return false;
      }
      return true;
    });
  }

  HWND typingTarget_ = nullptr;
};

}  // namespace qiv::e2e
