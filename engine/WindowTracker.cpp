// Which top-level windows the program manages, and keeping a screen's window list up to date.
#include "engine/WindowTracker.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/StickyRuleList.h"

namespace qiv {

WindowTracker::WindowTracker(const EnginePlatform& platform, const EngineSettings& settings)
    : desktop_(platform.desktop),
      process_(platform.process),
      settings_(settings),
      busyWindows_(platform.desktop),
      addedTimes_(platform.clock),
      takenOff_(platform.journal) {}

bool WindowTracker::IsEligibleWindow(WindowHandle window, const ScreenWindows* excluded, ThreadProbeAnswers* answers) {
  if (!desktop_.Exists(window) || !desktop_.IsVisible(window)) return false;
  if (excluded != nullptr && excluded->Contains(window)) return false;
  // It belongs to the screen it was taken off with until that screen shows it again.
  if (takenOff_.Contains(window)) return false;
  if (desktop_.ProcessId(window) == process_.OwnProcessId() || window == holder_) return false;
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
  // A parked window that did not answer when its screen came back is still in the holder, off the desktop. It
  // keeps its place in its own screen's list, or it would come back later on whatever screen is current then.
  std::vector<WindowHandle> parked;
  for (WindowHandle window : listed) {
    if (IsParkedInHolder(window)) {
      parked.push_back(window);
    } else if (!IsEligibleWindow(window, excluded, answers)) {
      screen.Remove(window);
    }
  }
  for (WindowHandle window : desktop_.TopLevelWindowsFromTop()) {
    if (!screen.Contains(window) && IsEligibleWindow(window, excluded, answers)) screen.Add(window);
  }
  // A window that is no longer top-level at this moment falls out here; parked ones go to the bottom.
  std::vector<WindowHandle> sorted;
  for (WindowHandle window : desktop_.TopLevelWindowsFromTop()) {
    if (screen.Contains(window)) sorted.push_back(window);
  }
  sorted.insert(sorted.end(), parked.rbegin(), parked.rend());
  std::reverse(sorted.begin(), sorted.end());
  screen.Reorder(std::move(sorted));
}

bool WindowTracker::IsParkedInHolder(WindowHandle window) {
  return holder_ != nullptr && desktop_.Parent(window) == holder_ &&
         desktop_.ProcessId(window) != process_.OwnProcessId();
}

bool WindowTracker::CheckScreenEmpty(ScreenWindows& screen, ThreadProbeAnswers* answers) {
  bool isEmpty = true;
  ThreadProbeAnswers ownAnswers;
  if (answers == nullptr) answers = &ownAnswers;
  const std::vector<WindowHandle> listed = screen.Windows();
  for (WindowHandle window : listed) {
    // Only a window that is gone leaves the list. An untitled one stays: on a hidden screen it is hidden, and
    // dropping it would leave it hidden for good.
    if (!desktop_.Exists(window)) {
      screen.Remove(window);
    } else if (isEmpty && !desktop_.Text(window).empty() && !busyWindows_.IsWindowHung(window, answers)) {
      // One answering window settles it: the others need no probe, which costs a round trip each.
      isEmpty = false;
    }
  }
  screen.SetEmpty(isEmpty);
  if (isEmpty) screen.SetAttentionWindow(nullptr);
  return isEmpty;
}

}  // namespace qiv
