// Timing Qiv's switches and the platform's own ways of doing the same.
#include "bench/SwitchTiming.h"

#include "bench/BenchFigures.h"
#include "tests/e2e/harness/Keyboard.h"

namespace qiv::bench {
namespace {

constexpr unsigned kSwitchDeadlineMs = 10000;
// A press that changed nothing in this time is taken as lost.
constexpr unsigned kLostAfterMs = 1500;
constexpr int kMaxPresses = 20;

template <typename Condition>
bool PollFinely(Condition condition, unsigned timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
  }
}

}  // namespace

bool WaitForWindows(const std::vector<HWND>& windows, bool visible, unsigned timeoutMs) {
  std::size_t done = 0;
  return PollFinely(
      [&] {
        while (done < windows.size() && (::IsWindowVisible(windows[done]) != FALSE) == visible) ++done;
        return done == windows.size();
      },
      timeoutMs);
}

bool WaitForPanelIdle(HWND panel, unsigned timeoutMs) {
  return PollFinely(
      [&] {
        DWORD_PTR reply = 0;
        return ::SendMessageTimeoutA(panel, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10, &reply) != 0;
      },
      timeoutMs);
}

int CurrentScreen(HWND panel) {
  DWORD_PTR selection = static_cast<DWORD_PTR>(-1);
  ::SendMessageTimeoutA(::GetDlgItem(panel, 1000), LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 3000, &selection);
  return static_cast<int>(selection);
}

SwitchTime TimedSwitch(HWND panel, WORD screenKey, int screen, const std::vector<HWND>& windows, bool visible,
                       bool untilPanelIdle) {
  SwitchTime result;
  for (int presses = 1;; ++presses) {
    // The previous switch may still be waiting for its hides to land.
    WaitForPanelIdle(panel, kSwitchDeadlineMs);
    const double start = Now();
    e2e::PressChord({VK_CONTROL, VK_MENU, screenKey});
    result.completed = WaitForWindows(windows, visible, kLostAfterMs);
    if (!result.completed && CurrentScreen(panel) != screen && presses < kMaxPresses) {
      ++result.lostPresses;
      continue;
    }
    if (!result.completed) result.completed = WaitForWindows(windows, visible, kSwitchDeadlineMs);
    if (untilPanelIdle) result.completed = WaitForPanelIdle(panel, kSwitchDeadlineMs) && result.completed;
    result.ms = Now() - start;
    return result;
  }
}

double TimedNaiveFlip(const std::vector<HWND>& windows, bool show) {
  const double start = Now();
  for (HWND window : windows) ::ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
  WaitForWindows(windows, show, kSwitchDeadlineMs);
  return Now() - start;
}

double TimedBestFlip(const std::vector<HWND>& windows, bool show) {
  const double start = Now();
  if (show) {
    HDWP batch = ::BeginDeferWindowPos(static_cast<int>(windows.size()));
    // Each window put on top covers those before it: handed over from the bottom-most up (the order they were
    // opened in), they keep their order, as Qiv's batch keeps a screen's.
    for (auto window = windows.begin(); window != windows.end() && batch != nullptr; ++window) {
      batch = ::DeferWindowPos(batch, *window, HWND_TOP, 0, 0, 0, 0,
                               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (batch != nullptr) ::EndDeferWindowPos(batch);
  } else {
    for (HWND window : windows) {
      ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_ASYNCWINDOWPOS | SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE |
                         SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    }
  }
  WaitForWindows(windows, show, kSwitchDeadlineMs);
  return Now() - start;
}

}  // namespace qiv::bench
