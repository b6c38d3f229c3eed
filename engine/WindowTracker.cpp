// Which top-level windows the program manages, and keeping a screen's window list up to date.
#include "engine/WindowTracker.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/StickyRuleList.h"

namespace qiv {

WindowTracker::WindowTracker(const EnginePlatform& platform, const Settings& settings)
    : desktop_(platform.desktop),
      process_(platform.process),
      settings_(settings),
      busyWindows_(platform.desktop),
      addedTimes_(platform.clock) {}

bool WindowTracker::IsEligibleWindow(WindowHandle window, const ScreenWindows* excluded,
                                     ThreadProbeAnswers* answers) {
  if (!desktop_.Exists(window) || !desktop_.IsVisible(window)) return false;
  if (excluded != nullptr && excluded->Contains(window)) return false;
  if (desktop_.ProcessId(window) == process_.OwnProcessId()) return false;
  if (MatchesStickyRule(settings_.StickyRules, desktop_.Text(window), desktop_.ClassName(window))) return false;
  // Dialog boxes and other owned windows move with their owner.
  if (desktop_.Parent(window) != nullptr || desktop_.Owner(window) != nullptr) return false;
  if (settings_.ToolWndAlwaysSticky && desktop_.Has(window, WindowTrait::kToolWindow)) return false;
  return !busyWindows_.IsWindowHung(window, answers);
}

void WindowTracker::RefreshScreenWindows(ScreenWindows& screen, const ScreenWindows* excluded,
                                         ThreadProbeAnswers* answers) {
  ThreadProbeAnswers ownAnswers;
  if (answers == nullptr) answers = &ownAnswers;
  const std::vector<WindowHandle> listed = screen.Windows();
  for (WindowHandle window : listed) {
    if (!IsEligibleWindow(window, excluded, answers)) screen.Remove(window);
  }
  for (WindowHandle window : desktop_.TopLevelWindowsFromTop()) {
    if (!screen.Contains(window) && IsEligibleWindow(window, excluded, answers)) screen.Add(window);
  }
  // A window that is no longer top-level at this moment falls out here.
  std::vector<WindowHandle> sorted;
  for (WindowHandle window : desktop_.TopLevelWindowsFromTop()) {
    if (screen.Contains(window)) sorted.push_back(window);
  }
  std::reverse(sorted.begin(), sorted.end());
  screen.Reorder(std::move(sorted));
}

bool WindowTracker::CheckScreenEmpty(ScreenWindows& screen, ThreadProbeAnswers* answers) {
  bool isEmpty = true;
  ThreadProbeAnswers ownAnswers;
  if (answers == nullptr) answers = &ownAnswers;
  const std::vector<WindowHandle> listed = screen.Windows();
  for (WindowHandle window : listed) {
    if (desktop_.Text(window).empty()) {
      screen.Remove(window);
    } else if (isEmpty && desktop_.Exists(window) && !busyWindows_.IsWindowHung(window, answers)) {
      // One answering window settles it: the others need no probe, which costs a round trip each.
      isEmpty = false;
    }
  }
  screen.SetEmpty(isEmpty);
  if (isEmpty) screen.SetAttentionWindow(nullptr);
  return isEmpty;
}

}  // namespace qiv
