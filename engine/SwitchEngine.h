// Taking windows off the desktop and bringing them back: ordinary windows are hidden, Explorer-class windows are
// parked in the holder window, and the windows they own go and come with them.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

#include "engine/EnginePlatform.h"
#include "engine/OwnedWindowsMap.h"
#include "engine/ParkedState.h"
#include "engine/ScreenWindows.h"
#include "engine/WindowTracker.h"
#include "platform/Desktop.h"
#include "platform/WindowHandle.h"

namespace qiv {

// One instance for the whole process: a worker thread may outlast the wait for it and still use the engine.
// Runs on the user-interface thread, except the jobs of ReparentAsync and ApplyShowCommandAsync. Every move is
// made with the hook lock raised, so that the hooks do not report the program's own moves, and no application
// that does not answer can block the user-interface thread for long.
class SwitchEngine {
 public:
  SwitchEngine(const EnginePlatform& platform, WindowTracker& tracker);
  SwitchEngine(const SwitchEngine&) = delete;
  SwitchEngine& operator=(const SwitchEngine&) = delete;

  // The hidden window that parks Explorer-class windows, in our process or in the guardian's; null while there is
  // none.
  void SetHolderWindow(WindowHandle holder) {
    holder_ = holder;
    tracker_.SetHolderWindow(holder);
  }
  WindowHandle HolderWindow() const { return holder_; }

  bool IsExplorerClass(WindowHandle window);
  // Parked in the holder window for an Explorer-class window while there is a holder, hidden for any other.
  bool IsWindowOffDesktop(WindowHandle window);
  // An Explorer-class window that is a child of the holder window now.
  bool IsParked(WindowHandle window);
  // batch: where a show is positioned, null to position the window at once. activate: null, or where a show
  // names a window to activate instead of this one (the dialog box of a disabled owner); it is cleared first.
  void SetWindowOnDesktop(WindowHandle window, bool show, PositionBatch* batch, WindowHandle* activate);
  // Shows the screen's windows together; answers the window to activate, null for an empty screen.
  WindowHandle ShowScreenWindows(const ScreenWindows& screen);
  // Takes the screen's windows off the desktop, except those that staying (the new screen, or null) holds too,
  // and waits at most 2250 ms for them to go. A window that did not go in that time is not waited for again
  // until it answers a probe (one per thread and pass).
  void HideScreenWindows(const ScreenWindows& screen, const ScreenWindows* staying);
  // Sets the window's parent (null: the desktop) on a worker thread. showState: how a window that comes back to
  // the desktop will be shown (ParkedState); unless normal, its normal rectangle is moved far off the visible
  // area first and the caller puts it in place. True when the worker ended within 100 ms; false, and no worker,
  // for a window that does not answer.
  bool ReparentAsync(WindowHandle window, WindowHandle parent, std::int32_t showState);
  // Applies a show command on a worker thread, also to a window of another screen, which stays hidden.
  bool ApplyShowCommandAsync(WindowHandle window, std::int32_t showCommand);
  void StopFlashing(WindowHandle window) { desktop_.StopFlashing(window); }
  // True when owned windows were taken off the desktop together with the window.
  bool HasHiddenOwnedWindows(WindowHandle window) { return ownedWindows_.HasList(window); }
  // The windows parked in the holder window now.
  std::vector<WindowHandle> ParkedWindows();
  // Hands every window still parked in the holder window back to the desktop, waiting at most 3 s for those that
  // do not answer. Our process must never end with a window parked: Wine destroys it then.
  void ReleaseParkedWindows();

  ParkedStateMap& ParkedStates() { return parkedStates_; }
  // Forgets the windows that no longer exist.
  void ForgetClosedWindows();

 private:
  // Parks the window instead of hiding it: an Explorer-class window, while there is a holder window. Without one,
  // it is hidden like any other window; moved far away instead, it would never count as off the desktop.
  bool ParksWindow(WindowHandle window) { return holder_ != nullptr && IsExplorerClass(window); }
  // Off the desktop, or going: a window we hid may still look visible while its thread has not applied the
  // asynchronous hide yet.
  bool IsOffDesktopOrGoing(WindowHandle window) { return IsWindowOffDesktop(window) || takenOff_.Contains(window); }
  // SetWindowOnDesktop for a window known to need the move.
  void MoveWindow(WindowHandle window, bool show, PositionBatch* batch, WindowHandle* activate);
  void BringOwnedWindowsBack(WindowHandle window, PositionBatch* batch, WindowHandle* activate);
  // A visible top-level window with an owner. (A top-level window's parent is the desktop.)
  struct OwnedWindow {
    WindowHandle window;
    WindowHandle owner;
  };
  std::vector<OwnedWindow> VisibleOwnedWindows();
  // What a pass over a screen's windows would otherwise ask the desktop again and again, while the answers hold:
  // whether a window is of an Explorer class (its class never changes), and for hides the visible owned windows as
  // they were when the first window went (one walk over the desktop for the pass instead of one per window: with a
  // hundred windows the walks cost more than the hides themselves; none when nothing goes).
  struct PassMemo {
    std::unordered_map<WindowHandle, bool> explorerClasses;
    std::optional<std::vector<OwnedWindow>> ownedWindows;
  };
  class PassScope {
   public:
    PassScope(PassMemo*& current, PassMemo& memo) : current_(current), outer_(current) { current_ = &memo; }
    ~PassScope() { current_ = outer_; }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;

   private:
    PassMemo*& current_;
    PassMemo* outer_;
  };
  // The visible owned windows now, or as the pass found them.
  const std::vector<OwnedWindow>& OwnedWindowsOfPass(std::vector<OwnedWindow>& walked);
  // Hides the visible windows whose parent or owner the window is and lists them for its return.
  void TakeOwnedWindowsAlong(WindowHandle window);
  void ParkExplorerWindow(WindowHandle window);
  // False when the window stays parked: no parked state, or it does not answer.
  bool UnparkExplorerWindow(WindowHandle window, PositionBatch* batch);
  // Removes the windows that are off the desktop now.
  void DropOffDesktop(std::vector<WindowHandle>& windows);
  void SetPlacementOrReposition(WindowHandle window, const WindowPlacement& placement);
  // ReparentAsync without the responsiveness test.
  bool StartReparentWorker(WindowHandle window, WindowHandle parent, std::int32_t showState);
  void ReparentJob(WindowHandle window, WindowHandle parent, std::int32_t showState);
  void ShowCommandJob(WindowHandle window, std::int32_t showCommand);

  Desktop& desktop_;
  Clock& clock_;
  WorkerThreads& workers_;
  HookLock& hookLock_;
  WindowTracker& tracker_;
  WindowHandle holder_ = nullptr;
  ParkedStateMap parkedStates_;
  OwnedWindowsMap ownedWindows_;
  OffDesktopWindows& takenOff_;
  // The windows whose hide had not landed when the last wait for them ran out.
  std::set<WindowHandle> hideNotLanded_;
  // While ShowScreenWindows or HideScreenWindows runs.
  PassMemo* pass_ = nullptr;
};

}  // namespace qiv
