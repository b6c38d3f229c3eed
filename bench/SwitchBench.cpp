// QivBench.exe: how long a screen switch of Qiv.exe takes with N windows of another process
// on the screen being left, beside what the same hides and shows cost when done directly
// with ShowWindow; how much processor time Qiv.exe uses while idle; and how long the application list takes
// from the right click on a button to its filled window, and what it costs while it stays open.
// Prints one line per figure: name, value, unit.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/harness/HelperClient.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/QivProcess.h"
#include "tests/e2e/harness/RemoteListView.h"
#include "tests/e2e/harness/TestRegistry.h"
#include "tests/e2e/harness/Wait.h"
#include "tests/e2e/harness/WindowQueries.h"
#include "tests/e2e/helper/HelperProtocol.h"

namespace qiv::e2e {
namespace {

constexpr int kSwitchesPerSize = 21;
constexpr int kListOpenings = 11;
constexpr int kListedWindows = 50;
constexpr int kAppListControlId = 1003;
constexpr unsigned kSwitchDeadlineMs = 10000;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

bool AllVisible(const std::vector<HWND>& windows, bool visible) {
  return std::all_of(windows.begin(), windows.end(),
                     [visible](HWND window) { return (::IsWindowVisible(window) != FALSE) == visible; });
}

void Print(const std::string& name, double value, const char* unit) {
  std::printf("%s %.1f %s\n", name.c_str(), value, unit);
  std::fflush(stdout);
}

std::vector<HWND> OpenWindows(HelperClient& helper, int count) {
  std::vector<HWND> windows;
  for (int i = 0; i < count; ++i) {
    HWND window = helper.Open("title=Bench window " + std::to_string(i) + "|x=" + std::to_string(20 + i % 40 * 10) +
                              "|y=" + std::to_string(20 + i % 30 * 10));
    if (window != nullptr) windows.push_back(window);
  }
  return windows;
}

void CloseWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows) ::PostMessageA(window, WM_CLOSE, 0, 0);
  PollUntil([&] { return std::none_of(windows.begin(), windows.end(), ::IsWindow); });
}

int CurrentScreen(HWND panel) {
  DWORD_PTR selection = static_cast<DWORD_PTR>(-1);
  ::SendMessageTimeoutA(::GetDlgItem(panel, 1000), LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 3000, &selection);
  return static_cast<int>(selection);
}

// Time of one switch: from the hot key until every window is in the expected state. The keyboard hook gives
// the panel 10 ms to answer; a press that found it busy is lost for good (the screen did not change), is
// counted, and is pressed again, the time counting from the press that worked.
double TimedSwitch(HWND panel, WORD screenKey, int screen, const std::vector<HWND>& windows, bool expectVisible,
                   bool& completed, int& lostPresses) {
  constexpr unsigned kLostAfterMs = 1500;
  constexpr int kMaxAttempts = 20;
  for (int attempts = 0;;) {
    // The previous switch may still be waiting for its hides to land; a key pressed meanwhile is lost.
    PollUntil([&] {
      DWORD_PTR reply = 0;
      return ::SendMessageTimeoutA(panel, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10, &reply) != 0;
    });
    const double start = Now();
    PressChord({VK_CONTROL, VK_MENU, screenKey});
    completed = PollUntil([&] { return AllVisible(windows, expectVisible); }, kLostAfterMs);
    if (!completed && CurrentScreen(panel) != screen && ++attempts < kMaxAttempts) {
      ++lostPresses;
      continue;
    }
    if (!completed) completed = PollUntil([&] { return AllVisible(windows, expectVisible); }, kSwitchDeadlineMs);
    return Now() - start;
  }
}

// The platform's own cost: the same hides and shows with plain ShowWindow calls.
double TimedDirectFlip(const std::vector<HWND>& windows, bool show) {
  const double start = Now();
  for (HWND window : windows) ::ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
  PollUntil([&] { return AllVisible(windows, show); }, kSwitchDeadlineMs);
  return Now() - start;
}

double ProcessCpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0.0;
  auto ms = [](const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

HWND AppListWindow(DWORD processId) {
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (::GetDlgItem(window, kAppListControlId) != nullptr) return window;
  }
  return nullptr;
}

// Time from the right click on the first screen button until the list is visible with at least minItems rows.
double TimedListOpening(HWND panel, DWORD processId, int minItems, bool& completed) {
  RECT button = {};
  QivProcess::ScreenButtonRect(panel, 0, button);
  const POINT centre = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  MoveMouseTo(centre);
  const double start = Now();
  RightClickInPlace(centre);
  HWND list = nullptr;
  completed = PollUntil(
      [&] {
        list = AppListWindow(processId);
        return list != nullptr && ::IsWindowVisible(list) &&
               RemoteListView(::GetDlgItem(list, kAppListControlId)).Count() >= minItems;
      },
      kSwitchDeadlineMs);
  const double took = Now() - start;
  PressChord({VK_ESCAPE});
  PollUntil([&] { return !::IsWindowVisible(list); });
  return took;
}

void MeasureAppList(HelperClient& helper, QivProcess& qiv, HWND panel) {
  std::vector<HWND> windows = OpenWindows(helper, kListedWindows - 1);
  // On a thread of its own, so that its hang leaves the others answering.
  HWND hangable = helper.Open("title=Bench window that hangs|thread|x=300|y=300");
  windows.push_back(hangable);
  const std::string n = std::to_string(kListedWindows);
  bool allCompleted = true;
  for (bool hung : {false, true}) {
    if (hung) {
      ::PostMessageA(hangable, kMsgHang, 50000, 0);
      PollUntil([&] {
        DWORD_PTR reply = 0;
        return !::SendMessageTimeoutA(hangable, WM_NULL, 0, 0, SMTO_BLOCK, 100, &reply);
      });
    }
    std::vector<double> openings;
    for (int round = 0; round < kListOpenings; ++round) {
      bool completed = false;
      // The screen-state refresh may leave out a window that does not answer.
      const int minItems = static_cast<int>(windows.size()) - (hung ? 1 : 0);
      openings.push_back(TimedListOpening(panel, qiv.Id(), minItems, completed));
      allCompleted = allCompleted && completed;
    }
    Print("applist_open_ms_n" + n + (hung ? "_one_hung" : ""), Median(openings), "ms");
  }
  if (!allCompleted) std::printf("applist_open_incomplete_n%s 1 flag\n", n.c_str());
  // Waits out the hang, so that the list is measured while every window answers.
  PollUntil(
      [&] {
        DWORD_PTR reply = 0;
        return ::SendMessageTimeoutA(hangable, WM_NULL, 0, 0, SMTO_BLOCK, 100, &reply) != 0;
      },
      60000);

  RECT button = {};
  QivProcess::ScreenButtonRect(panel, 0, button);
  RightClickAt({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  PollUntil([&] { return ::IsWindowVisible(AppListWindow(qiv.Id())) != FALSE; });
  const double before = ProcessCpuMs(qiv.Process().Handle());
  const double start = Now();
  PollUntil([] { return false; }, 10000);
  const double used = ProcessCpuMs(qiv.Process().Handle()) - before;
  Print("applist_cpu_percent", 100.0 * used / (Now() - start), "%");
  PressChord({VK_ESCAPE});
  CloseWindows(windows);
}

int Run(const std::vector<int>& sizes) {
  DeleteKeyTree(HKEY_CURRENT_USER, kQivKey);
  HelperClient helper;
  QivProcess qiv;
  HWND panel = nullptr;
  if (!helper.Start() || !qiv.Start() || (panel = qiv.WaitForPanel()) == nullptr) {
    std::fprintf(stderr, "bench: could not start Qiv.exe and the helper\n");
    return 1;
  }
  // Keys go to a sticky tool window of the helper, which stays on every screen.
  HWND typingTarget = helper.Open("title=Typing target|tool|x=1000|y=800|w=200|h=100");
  PollUntil([&] { return ::GetForegroundWindow() == typingTarget || (helper.Focus(typingTarget) && false); });
  {
    // Idle: 100 windows on the current screen, which the 500 ms refresh keeps track of.
    const std::vector<HWND> windows = OpenWindows(helper, 100);
    PollUntil([] { return false; }, 2000);
    const double before = ProcessCpuMs(qiv.Process().Handle());
    const double start = Now();
    PollUntil([] { return false; }, 10000);
    const double used = ProcessCpuMs(qiv.Process().Handle()) - before;
    Print("idle_cpu_percent", 100.0 * used / (Now() - start), "%");
    CloseWindows(windows);
  }
  MeasureAppList(helper, qiv, panel);
  for (int count : sizes) {
    const std::vector<HWND> windows = OpenWindows(helper, count);
    std::vector<double> switches;
    std::vector<double> direct;
    bool allCompleted = true;
    int lostPresses = 0;
    for (int round = 0; round < kSwitchesPerSize; ++round) {
      bool completed = false;
      switches.push_back(TimedSwitch(panel, '2', 1, windows, false, completed, lostPresses));
      allCompleted = allCompleted && completed;
      switches.push_back(TimedSwitch(panel, '1', 0, windows, true, completed, lostPresses));
      allCompleted = allCompleted && completed;
      direct.push_back(TimedDirectFlip(windows, false));
      direct.push_back(TimedDirectFlip(windows, true));
    }
    const std::string n = std::to_string(count);
    const double switchMs = Median(switches);
    const double platformMs = Median(direct);
    Print("switch_ms_n" + n, switchMs, "ms");
    Print("platform_ms_n" + n, platformMs, "ms");
    Print("switch_ratio_n" + n, platformMs > 0 ? switchMs / platformMs : 0.0, "x");
    Print("lost_key_presses_n" + n, lostPresses, "presses");
    if (!allCompleted) std::printf("switch_incomplete_n%s 1 flag\n", n.c_str());
    CloseWindows(windows);
  }
  qiv.Close();
  return 0;
}

}  // namespace
}  // namespace qiv::e2e

// Arguments: the window counts to switch with (default 10 50 100).
int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    const int count = std::atoi(argv[i]);
    if (count > 0) sizes.push_back(count);
  }
  if (sizes.empty()) sizes = {10, 50, 100};
  return qiv::e2e::Run(sizes);
}
