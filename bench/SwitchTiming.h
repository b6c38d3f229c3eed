// Timing a screen switch of Qiv.exe, and the same hides and shows done by the benchmark itself: the naive way
// (one synchronous ShowWindow per window) and the platform's best way (asynchronous hides, one deferred show
// batch), each until every window is in its new state.
#pragma once

#include <windows.h>

#include <vector>

namespace qiv::bench {

// Waits until every window is shown (visible) or hidden; polls every millisecond and checks each window once it
// is in its state, so that the waiting adds little to what it measures. False on time-out.
bool WaitForWindows(const std::vector<HWND>& windows, bool visible, unsigned timeoutMs);
// Waits until the panel answers: it is done with what it was doing.
bool WaitForPanelIdle(HWND panel, unsigned timeoutMs);
int CurrentScreen(HWND panel);

struct SwitchTime {
  double ms = 0.0;
  bool completed = false;
  // Presses that changed nothing and were pressed again.
  int lostPresses = 0;
};
// From the hot key Ctrl+Alt+screenKey until the windows are in their state (and, with untilPanelIdle, the panel
// answers again). A press after which the screen did not change at all is counted as lost and pressed again; the
// time counts from the press that worked.
SwitchTime TimedSwitch(HWND panel, WORD screenKey, int screen, const std::vector<HWND>& windows, bool visible,
                       bool untilPanelIdle = false);
double TimedNaiveFlip(const std::vector<HWND>& windows, bool show);
double TimedBestFlip(const std::vector<HWND>& windows, bool show);

}  // namespace qiv::bench
