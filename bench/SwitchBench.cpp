// QivBench.exe: how long a screen switch of Qiv.exe takes with N windows of another process on the screen being
// left, beside what the same hides and shows cost when the benchmark does them itself, the naive way and the
// platform's best way; what a hung window and quick pairs of hot keys do to switching; how much processor time,
// memory and keystroke time Qiv.exe costs while idle; how long the application list takes to open; and whether
// switching and the list leak GDI objects or handles. Prints one line per figure: name, value, unit.
// Arguments: the window counts to switch with (default 10 50 100); --short runs every part briefly, so that the
// tests can check that the benchmark still runs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchFigures.h"
#include "bench/QivUsage.h"
#include "bench/SwitchTiming.h"
#include "hooklib/Qivhook.h"
#include "tests/e2e/harness/HelperClient.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/QivProcess.h"
#include "tests/e2e/harness/RemoteListView.h"
#include "tests/e2e/harness/TestRegistry.h"
#include "tests/e2e/harness/Wait.h"
#include "tests/e2e/harness/WindowQueries.h"
#include "tests/e2e/helper/HelperProtocol.h"

namespace qiv::bench {
namespace {

using e2e::HelperClient;
using e2e::PollUntil;
using e2e::PressChord;
using e2e::QivProcess;

constexpr int kAppListControlId = 1003;
constexpr unsigned kListDeadlineMs = 10000;
// A key that is no hot key and does nothing in the helper's windows but count itself.
constexpr WORD kPlainKey = 'Q';

// How much of each part a run does.
struct Plan {
  int switchRounds;  // each round: a switch away and back, and the same by the naive and the best way
  int idleWindows;
  unsigned idleMs;
  int listedWindows;
  int listOpenings;
  unsigned listHangMs;
  unsigned listCpuMs;
  int keystrokes;
  int hungScreenWindows;
  int hungSwitches;
  unsigned hangMs;
  int bursts;
  int leakSwitches;
  int leakListOpenings;
};

// The full run, and the short one that only shows that every part still runs.
constexpr Plan kFullPlan = {21, 100, 10000, 50, 11, 50000, 10000, 31, 20, 20, 30000, 25, 500, 100};
constexpr Plan kShortPlan = {2, 10, 1000, 5, 1, 3000, 500, 3, 5, 2, 6000, 2, 4, 2};

void Pause(unsigned ms) {
  PollUntil([] { return false; }, ms);
}

std::vector<HWND> OpenWindows(HelperClient& helper, int count, const std::string& name = "Bench window") {
  std::vector<HWND> windows;
  for (int i = 0; i < count; ++i) {
    HWND window = helper.Open("title=" + name + " " + std::to_string(i) + "|x=" + std::to_string(20 + i % 40 * 10) +
                              "|y=" + std::to_string(20 + i % 30 * 10));
    if (window != nullptr) windows.push_back(window);
  }
  return windows;
}

void CloseWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows) ::PostMessageA(window, WM_CLOSE, 0, 0);
  PollUntil([&] { return std::none_of(windows.begin(), windows.end(), ::IsWindow); });
}

bool Answers(HWND window, unsigned timeoutMs) {
  DWORD_PTR reply = 0;
  return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &reply) != 0;
}

// Makes the window's thread stop answering for ms milliseconds.
bool Hang(HWND window, unsigned ms) {
  ::PostMessageA(window, e2e::kMsgHang, ms, 0);
  return PollUntil([&] { return !Answers(window, 100); });
}

// Qiv takes new windows in on its 500 ms screen-state tick.
void LetQivTrackWindows() { Pause(1500); }

HWND AppListWindow(DWORD processId) {
  for (HWND window : e2e::TopLevelWindowsOf(processId)) {
    if (::GetDlgItem(window, kAppListControlId) != nullptr) return window;
  }
  return nullptr;
}

// Time from the right click on the first screen button until the list is visible with at least minItems rows;
// the list is closed again before it returns.
double TimedListOpening(HWND panel, DWORD processId, int minItems, bool& completed) {
  RECT button = {};
  QivProcess::ScreenButtonRect(panel, 0, button);
  const POINT centre = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  e2e::MoveMouseTo(centre);
  const double start = Now();
  e2e::RightClickInPlace(centre);
  HWND list = nullptr;
  completed = PollUntil(
      [&] {
        list = AppListWindow(processId);
        return list != nullptr && ::IsWindowVisible(list) &&
               e2e::RemoteListView(::GetDlgItem(list, kAppListControlId)).Count() >= minItems;
      },
      kListDeadlineMs);
  const double took = Now() - start;
  PressChord({VK_ESCAPE});
  PollUntil([&] { return !::IsWindowVisible(list); });
  // The activation moves on once the list has gone; a list opened before that would be closed by it.
  WaitForPanelIdle(panel, kListDeadlineMs);
  Pause(200);
  return took;
}

// From SendInput of a key that is no hot key to its WM_KEYDOWN in the focused window.
double MedianKeystrokeMs(HelperClient& helper, HWND target, int presses) {
  std::vector<double> times;
  for (int i = 0; i < presses; ++i) {
    const LRESULT before = helper.KeyDownCount(target, kPlainKey);
    const double start = Now();
    PressChord({kPlainKey});
    if (PollUntil([&] { return helper.KeyDownCount(target, kPlainKey) > before; }, 2000)) {
      times.push_back(TicksToMs(helper.LastKeyDownTicks(target, kPlainKey)) - start);
    }
    Pause(20);
  }
  return Median(times);
}

// The processor use of each process over one idle period.
std::vector<double> IdleCpuPercents(const Plan& plan, const std::vector<HANDLE>& processes) {
  std::vector<double> before;
  for (HANDLE process : processes) before.push_back(ProcessCpuMs(process));
  const double start = Now();
  Pause(plan.idleMs);
  const double elapsed = Now() - start;
  std::vector<double> percents;
  for (size_t i = 0; i < processes.size(); ++i) {
    percents.push_back(100.0 * (ProcessCpuMs(processes[i]) - before[i]) / elapsed);
  }
  return percents;
}

double IdleCpuPercent(const Plan& plan, QivProcess& qiv) { return IdleCpuPercents(plan, {qiv.Process().Handle()})[0]; }

void MeasureIdle(const Plan& plan, HelperClient& helper, QivProcess& qiv) {
  // What Qiv costs with nothing to track: its timers and Wine's own work for a program with windows. Beside it,
  // in the same period, a program that does nothing but wake at the panel's timer periods (visibility 200 ms,
  // screen state and blinking 500 ms): what the ticks alone cost under Wine.
  HelperClient ticker;
  HANDLE tickerProcess = nullptr;
  if (ticker.Start() && ticker.Open("title=Timer ticks alone|tool|timers=200,500,500|x=1000|y=600") != nullptr) {
    tickerProcess = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, ticker.ProcessId());
  }
  if (tickerProcess != nullptr) {
    const std::vector<double> idle = IdleCpuPercents(plan, {qiv.Process().Handle(), tickerProcess});
    Print("idle_cpu_percent_n0", idle[0], "%");
    Print("idle_cpu_percent_ticks_alone", idle[1], "%");
    ::CloseHandle(tickerProcess);
  } else {
    Print("idle_cpu_percent_n0", IdleCpuPercent(plan, qiv), "%");
    PrintFlag("idle_ticks_alone_unknown");
  }
  // Windows on the current screen, which the 500 ms refresh keeps track of.
  const std::vector<HWND> windows = OpenWindows(helper, plan.idleWindows);
  LetQivTrackWindows();
  Print("idle_cpu_percent", IdleCpuPercent(plan, qiv), "%");
  Print("working_set_mb", WorkingSetMb(qiv.Process().Handle()), "MB");
  Print("private_mb", PrivateMb(qiv.Process().Handle()), "MB");
  // What Wine gives any program with a window: the floor under Qiv's figures.
  HANDLE helperProcess = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, helper.ProcessId());
  if (helperProcess != nullptr) {
    Print("working_set_mb_helper", WorkingSetMb(helperProcess), "MB");
    ::CloseHandle(helperProcess);
  }
  CloseWindows(windows);
}

void MeasureAppList(const Plan& plan, HelperClient& helper, QivProcess& qiv, HWND panel) {
  std::vector<HWND> windows = OpenWindows(helper, plan.listedWindows - 1);
  // On a thread of its own, so that its hang leaves the others answering.
  HWND hangable = helper.Open("title=Bench window that hangs|thread|x=300|y=300");
  windows.push_back(hangable);
  LetQivTrackWindows();
  const std::string n = std::to_string(plan.listedWindows);
  bool allCompleted = true;
  for (bool hung : {false, true}) {
    if (hung) Hang(hangable, plan.listHangMs);
    std::vector<double> openings;
    for (int round = 0; round < plan.listOpenings; ++round) {
      bool completed = false;
      // The screen-state refresh may leave out a window that does not answer.
      const int minItems = static_cast<int>(windows.size()) - (hung ? 1 : 0);
      openings.push_back(TimedListOpening(panel, qiv.Id(), minItems, completed));
      allCompleted = allCompleted && completed;
    }
    Print("applist_open_ms_n" + n + (hung ? "_one_hung" : ""), Median(openings), "ms");
  }
  if (!allCompleted) PrintFlag("applist_open_incomplete_n" + n);
  // Waits out the hang, so that the list is measured while every window answers.
  PollUntil([&] { return Answers(hangable, 100); }, plan.listHangMs + 10000);

  RECT button = {};
  QivProcess::ScreenButtonRect(panel, 0, button);
  e2e::RightClickAt({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  PollUntil([&] { return ::IsWindowVisible(AppListWindow(qiv.Id())) != FALSE; });
  const double before = ProcessCpuMs(qiv.Process().Handle());
  const double start = Now();
  Pause(plan.listCpuMs);
  const double used = ProcessCpuMs(qiv.Process().Handle()) - before;
  Print("applist_cpu_percent", 100.0 * used / (Now() - start), "%");
  PressChord({VK_ESCAPE});
  CloseWindows(windows);
}

// N windows on screen 1, switched away to the empty screen 2 and back, beside the same hides and shows done
// by the naive way and by the platform's best way, all in the same rounds.
void MeasureSwitching(const Plan& plan, HelperClient& helper, HWND panel, int count) {
  const std::vector<HWND> windows = OpenWindows(helper, count);
  LetQivTrackWindows();
  // Hides (index 0) and shows (1) apart, and all together.
  std::vector<double> switches[2], naive[2], best[2];
  bool allCompleted = true;
  int lostPresses = 0;
  for (int round = 0; round < plan.switchRounds; ++round) {
    for (const bool away : {true, false}) {
      const SwitchTime timed = TimedSwitch(panel, away ? '2' : '1', away ? 1 : 0, windows, !away);
      switches[away ? 0 : 1].push_back(timed.ms);
      allCompleted = allCompleted && timed.completed;
      lostPresses += timed.lostPresses;
    }
    WaitForPanelIdle(panel, 10000);
    // Qiv keeps out of the way while the benchmark moves the windows itself: with the hook lock raised the hooks
    // do not report the benchmark's shows and the screen-state tick pauses, as during Qiv's own switches.
    QivhookLock(TRUE);
    for (const bool show : {false, true}) naive[show ? 1 : 0].push_back(TimedNaiveFlip(windows, show));
    for (const bool show : {false, true}) best[show ? 1 : 0].push_back(TimedBestFlip(windows, show));
    QivhookLock(FALSE);
  }
  const std::string n = std::to_string(count);
  auto both = [](const std::vector<double>(&times)[2]) {
    std::vector<double> all = times[0];
    all.insert(all.end(), times[1].begin(), times[1].end());
    return Median(all);
  };
  const double switchMs = both(switches);
  const double naiveMs = both(naive);
  const double bestMs = both(best);
  Print("switch_ms_n" + n, switchMs, "ms");
  Print("platform_ms_n" + n, naiveMs, "ms");
  Print("platform_best_ms_n" + n, bestMs, "ms");
  // Where the time goes: the hides (the switch away from the windows' screen) and the shows (back to it).
  const char* const parts[] = {"hide", "show"};
  for (int part = 0; part < 2; ++part) {
    Print(std::string("switch_") + parts[part] + "_ms_n" + n, Median(switches[part]), "ms");
    Print(std::string("platform_") + parts[part] + "_ms_n" + n, Median(naive[part]), "ms");
    Print(std::string("platform_best_") + parts[part] + "_ms_n" + n, Median(best[part]), "ms");
  }
  Print("switch_ratio_n" + n, naiveMs > 0 ? switchMs / naiveMs : 0.0, "x");
  Print("switch_ratio_best_n" + n, bestMs > 0 ? switchMs / bestMs : 0.0, "x");
  Print("lost_key_presses_n" + n, lostPresses, "presses");
  if (!allCompleted) PrintFlag("switch_incomplete_n" + n);
  CloseWindows(windows);
}

// Switches between screens 1 and 2 with the panel's work counted in: until the windows are in their state and the
// panel answers again.
std::vector<double> SwitchesBackAndForth(HWND panel, const std::vector<HWND>& windows, int switches, bool& completed) {
  std::vector<double> times;
  for (int i = 0; i < switches; ++i) {
    const bool away = i % 2 == 0;
    const SwitchTime timed = TimedSwitch(panel, away ? '2' : '1', away ? 1 : 0, windows, !away, true);
    times.push_back(timed.ms);
    completed = completed && timed.completed;
  }
  return times;
}

// One window of screen 1 hung for good among the others: what it costs each switch, beside the same switches while
// it still answers.
void MeasureHungWindow(const Plan& plan, HelperClient& helper, HWND panel) {
  HWND hangable = helper.Open("title=Bench window that hangs|thread|x=300|y=300");
  const std::vector<HWND> others = OpenWindows(helper, plan.hungScreenWindows - 1);
  LetQivTrackWindows();
  const std::string n = std::to_string(plan.hungScreenWindows);
  bool completed = true;
  Print("switch_median_ms_n" + n, Median(SwitchesBackAndForth(panel, others, plan.hungSwitches, completed)), "ms");
  Hang(hangable, plan.hangMs);
  const std::vector<double> hung = SwitchesBackAndForth(panel, others, plan.hungSwitches, completed);
  if (Answers(hangable, 10)) PrintFlag("switch_hung_window_answered_too_soon");
  Print("switch_hung_median_ms", Median(hung), "ms");
  Print("switch_hung_p95_ms", Percentile(hung, 0.95), "ms");
  if (!completed) PrintFlag("switch_hung_incomplete");
  PollUntil([&] { return Answers(hangable, 100); }, plan.hangMs + 10000);
  std::vector<HWND> all = others;
  all.push_back(hangable);
  CloseWindows(all);
}

// Pairs of screen keys pressed 30 to 80 ms apart: whether the panel ends on the second key's screen, and whether
// any of the keys reached a window.
void MeasureHotKeyBursts(const Plan& plan, HelperClient& helper, HWND panel) {
  std::vector<std::vector<HWND>> screens;
  for (int screen = 0; screen < 3; ++screen) {
    if (screen > 0) TimedSwitch(panel, static_cast<WORD>('1' + screen), screen, screens.back(), false, true);
    screens.push_back(OpenWindows(helper, 3, "Burst window " + std::to_string(screen + 1) + "."));
    LetQivTrackWindows();
  }
  TimedSwitch(panel, '1', 0, screens[0], true, true);
  auto keysReceived = [&] {
    LRESULT count = 0;
    for (const std::vector<HWND>& windows : screens) {
      for (HWND window : windows) count += helper.KeyDownCount(window, '2') + helper.KeyDownCount(window, '3');
    }
    return count;
  };
  const LRESULT receivedBefore = keysReceived();
  int secondLost = 0;
  for (int burst = 0; burst < plan.bursts; ++burst) {
    WaitForPanelIdle(panel, 10000);
    PressChord({VK_CONTROL, VK_MENU, '2'});
    ::Sleep(30 + static_cast<DWORD>(burst * 13 % 51));
    PressChord({VK_CONTROL, VK_MENU, '3'});
    const bool ended = PollUntil([&] { return CurrentScreen(panel) == 2; }, 5000) &&
                       WaitForWindows(screens[2], true, 5000) && WaitForPanelIdle(panel, 10000) &&
                       CurrentScreen(panel) == 2;
    if (!ended) ++secondLost;
    TimedSwitch(panel, '1', 0, screens[0], true, true);
  }
  Print("hotkey_burst_second_lost", secondLost, "bursts");
  Print("hotkey_burst_leaked", static_cast<double>(keysReceived() - receivedBefore), "keys");
  for (const std::vector<HWND>& windows : screens) CloseWindows(windows);
}

// The framework's GDI objects and the process's handles before and after many switches and list openings, once
// everything that is made once has been made.
void MeasureLeaks(const Plan& plan, HelperClient& helper, QivProcess& qiv, HWND panel) {
  const std::vector<HWND> windows = OpenWindows(helper, 10);
  LetQivTrackWindows();
  auto settle = [&] {
    WaitForPanelIdle(panel, 10000);
    Pause(1000);
  };
  settle();
  const long gdiBefore = LiveGdiObjects(panel);
  const long handlesBefore = HandleCount(qiv.Process().Handle());
  bool completed = true;
  SwitchesBackAndForth(panel, windows, plan.leakSwitches, completed);
  for (int i = 0; i < plan.leakListOpenings; ++i) {
    bool opened = false;
    TimedListOpening(panel, qiv.Id(), static_cast<int>(windows.size()), opened);
    completed = completed && opened;
  }
  settle();
  const long gdiAfter = LiveGdiObjects(panel);
  const long handlesAfter = HandleCount(qiv.Process().Handle());
  if (gdiBefore < 0 || gdiAfter < 0) PrintFlag("gdi_objects_unknown");
  if (handlesBefore < 0 || handlesAfter < 0) PrintFlag("handles_unknown");
  Print("gdi_objects_delta", gdiAfter - gdiBefore, "objects");
  Print("handles_delta", handlesAfter - handlesBefore, "handles");
  if (!completed) PrintFlag("leak_check_incomplete");
  CloseWindows(windows);
}

int Run(const Plan& plan, const std::vector<int>& sizes) {
  e2e::DeleteKeyTree(HKEY_CURRENT_USER, e2e::kQivKey);
  HelperClient helper;
  if (!helper.Start()) {
    std::fprintf(stderr, "bench: could not start the helper\n");
    return 1;
  }
  // Keys go to a sticky tool window of the helper, which stays on every screen.
  HWND typingTarget = helper.Open("title=Typing target|tool|x=1000|y=800|w=200|h=100");
  auto focusTypingTarget = [&] {
    PollUntil([&] { return ::GetForegroundWindow() == typingTarget || (helper.Focus(typingTarget) && false); });
  };
  focusTypingTarget();
  const double keystrokeAloneMs = MedianKeystrokeMs(helper, typingTarget, plan.keystrokes);

  QivProcess qiv;
  HWND panel = nullptr;
  if (!qiv.Start() || (panel = qiv.WaitForSettledPanel()) == nullptr) {
    std::fprintf(stderr, "bench: could not start Qiv.exe\n");
    return 1;
  }
  focusTypingTarget();
  const double keystrokeWithQivMs = MedianKeystrokeMs(helper, typingTarget, plan.keystrokes);
  Print("keystroke_ms_without_qiv", keystrokeAloneMs, "ms");
  Print("keystroke_ms_with_qiv", keystrokeWithQivMs, "ms");
  Print("keystroke_overhead_ms", keystrokeWithQivMs - keystrokeAloneMs, "ms");

  MeasureIdle(plan, helper, qiv);
  MeasureAppList(plan, helper, qiv, panel);
  for (int count : sizes) MeasureSwitching(plan, helper, panel, count);
  MeasureHungWindow(plan, helper, panel);
  MeasureHotKeyBursts(plan, helper, panel);
  MeasureLeaks(plan, helper, qiv, panel);
  if (!qiv.Close()) {
    std::fprintf(stderr, "bench: Qiv.exe did not close\n");
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace qiv::bench

int main(int argc, char** argv) {
  bool brief = false;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--short") == 0) {
      brief = true;
    } else if (const int count = std::atoi(argv[i]); count > 0) {
      sizes.push_back(count);
    }
  }
  if (sizes.empty()) sizes = brief ? std::vector<int>{10} : std::vector<int>{10, 50, 100};
  return qiv::bench::Run(brief ? qiv::bench::kShortPlan : qiv::bench::kFullPlan, sizes);
}
