// Which top-level windows the program manages, and keeping a screen's window list up to date from the desktop.
#pragma once

#include "engine/AddedTimeMap.h"
#include "engine/BusyWindowSet.h"
#include "engine/EnginePlatform.h"
#include "engine/EngineSettings.h"
#include "engine/OffDesktopWindows.h"
#include "engine/ScreenWindows.h"
#include "platform/WindowHandle.h"

namespace qiv {

// Runs on the user-interface thread; the busy set is shared with the worker threads.
class WindowTracker {
 public:
  WindowTracker(const EnginePlatform& platform, const EngineSettings& settings);
  WindowTracker(const WindowTracker&) = delete;
  WindowTracker& operator=(const WindowTracker&) = delete;

  // The window that parks Explorer-class windows, in our process or in the guardian's; null while there is none.
  void SetHolderWindow(WindowHandle holder) { holder_ = holder; }

  // A visible top-level window of another process and not the holder, not in excluded's list, not taken off the desktop
  // by us (a late hide leaves it visible for a while), not sticky, without parent and owner, not a tool window while
  // those are sticky, and answering. The tests run in that order, the costly probe last.
  bool IsEligibleWindow(WindowHandle window, const ScreenWindows* excluded, ThreadProbeAnswers* answers = nullptr);
  bool IsWindowHung(WindowHandle window, ThreadProbeAnswers* answers = nullptr) {
    return busyWindows_.IsWindowHung(window, answers);
  }

  // A window of another program that is a child of the holder window.
  bool IsParkedInHolder(WindowHandle window);
  // Drops the windows that are no longer eligible, except parked ones, adds the eligible ones that are new, and
  // sorts the list by the desktop's z-order, bottom-most first, parked windows below the others, all from one walk
  // over the desktop. Only right for the current screen: only its windows are on the desktop. Each thread is probed
  // once, or not at all when answers (shared by the calls of one pass) know it already.
  void RefreshScreenWindows(ScreenWindows& screen, const ScreenWindows* excluded,
                            ThreadProbeAnswers* answers = nullptr);
  // Answers whether no titled, answering window is left, and drops the windows that no longer exist: all of them, or
  // only those before the first titled, answering window, where the list has just been refreshed or only the
  // answer counts (a button's colour). Probes as RefreshScreenWindows does.
  enum class EmptyCheck { kWholeList, kUntilAnswer };
  bool CheckScreenEmpty(ScreenWindows& screen, ThreadProbeAnswers* answers = nullptr,
                        EmptyCheck check = EmptyCheck::kWholeList);

  AddedTimeMap& AddedTimes() { return addedTimes_; }
  // The windows the program took off the desktop and has not brought back yet.
  OffDesktopWindows& TakenOff() { return takenOff_; }
  BusyWindowSet& BusyWindows() { return busyWindows_; }

 private:
  // IsEligibleWindow for a window that the last walk over the desktop found top-level.
  bool IsEligibleTopLevelWindow(WindowHandle window, const ScreenWindows* excluded, ThreadProbeAnswers* answers);

  Desktop& desktop_;
  ProgramProcess& process_;
  const EngineSettings& settings_;
  BusyWindowSet busyWindows_;
  AddedTimeMap addedTimes_;
  OffDesktopWindows takenOff_;
  WindowHandle holder_ = nullptr;
};

}  // namespace qiv
