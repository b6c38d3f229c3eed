// Which top-level windows the program manages, and keeping a screen's window list up to date.
#include "engine/WindowTracker.h"

#include <algorithm>
#include <unordered_set>
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
  // A child window, or a window parked in the holder, is no top-level window.
  if (desktop_.Parent(window) != nullptr) return false;
  return IsEligibleTopLevelWindow(window, excluded, answers);
}

bool WindowTracker::IsEligibleTopLevelWindow(WindowHandle window, const ScreenWindows* excluded,
                                             ThreadProbeAnswers* answers) {
  // The system knows no visible window that does not exist: the one query answers both.
  if (!desktop_.IsVisible(window)) return false;
  if (excluded != nullptr && excluded->Contains(window)) return false;
  // It belongs to the screen it was taken off with until that screen shows it again.
  if (takenOff_.Contains(window)) return false;
  const WindowCreator creator = desktop_.Creator(window);
  if (creator.processId == process_.OwnProcessId() || window == holder_) return false;
  // Without rules there is nothing to match, and no text or class name to read.
  if (settings_.StickyRules.Count() > 0 &&
      MatchesStickyRule(settings_.StickyRules, desktop_.Text(window), desktop_.ClassName(window))) {
    return false;
  }
  // Dialog boxes and other owned windows move with their owner.
  if (desktop_.Owner(window) != nullptr) return false;
  if (settings_.ToolWndAlwaysSticky && desktop_.Has(window, WindowTrait::kToolWindow)) return false;
  return !busyWindows_.IsWindowHung(window, answers, creator.threadId);
}

void WindowTracker::RefreshScreenWindows(ScreenWindows& screen, const ScreenWindows* excluded,
                                         ThreadProbeAnswers* answers) {
  ThreadProbeAnswers ownAnswers;
  if (answers == nullptr) answers = &ownAnswers;
  // One walk tells which windows are top-level now and their order; a window of the list that is not top-level now
  // falls out, unless it is parked.
  const std::vector<WindowHandle> topLevel = desktop_.TopLevelWindowsFromTop();
  const std::unordered_set<WindowHandle> isTopLevel(topLevel.begin(), topLevel.end());
  const std::vector<WindowHandle> listed = screen.Windows();
  // A parked window that did not answer when its screen came back is still in the holder, off the desktop. It
  // keeps its place in its own screen's list, or it would come back later on whatever screen is current then.
  std::vector<WindowHandle> parked;
  for (WindowHandle window : listed) {
    if (isTopLevel.count(window) == 0) {
      if (IsParkedInHolder(window)) {
        parked.push_back(window);
      } else {
        screen.Remove(window);
      }
    } else if (!IsEligibleTopLevelWindow(window, excluded, answers)) {
      screen.Remove(window);
    }
  }
  for (WindowHandle window : topLevel) {
    if (!screen.Contains(window) && IsEligibleTopLevelWindow(window, excluded, answers)) screen.Add(window);
  }
  // Parked ones go to the bottom.
  std::vector<WindowHandle> sorted;
  for (WindowHandle window : topLevel) {
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

bool WindowTracker::CheckScreenEmpty(ScreenWindows& screen, ThreadProbeAnswers* answers, EmptyCheck check) {
  bool isEmpty = true;
  ThreadProbeAnswers ownAnswers;
  if (answers == nullptr) answers = &ownAnswers;
  const std::vector<WindowHandle> listed = screen.Windows();
  for (WindowHandle window : listed) {
    // A window with a text exists: only the untitled ones need the question whether they still do.
    const bool titled = isEmpty && !desktop_.Text(window).empty();
    // Only a window that is gone leaves the list. An untitled one stays: on a hidden screen it is hidden, and
    // dropping it would leave it hidden for good.
    if (!titled && !desktop_.Exists(window)) {
      screen.Remove(window);
    } else if (titled && !busyWindows_.IsWindowHung(window, answers)) {
      // One answering window settles it: the others need no probe, which costs a round trip each.
      isEmpty = false;
      if (check == EmptyCheck::kUntilAnswer) break;
    }
  }
  screen.SetEmpty(isEmpty);
  if (isEmpty) screen.SetAttentionWindow(nullptr);
  return isEmpty;
}

}  // namespace qiv
