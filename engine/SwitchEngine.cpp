// Taking windows off the desktop and bringing them back.
#include "engine/SwitchEngine.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>

#include "engine/PostedPositionBatch.h"
#include "platform/HookLockScope.h"

namespace qiv {
namespace {

constexpr std::uint32_t kWorkerWaitMs = 100;
// A worker this late has long been given up by its caller, whose screen may be current again by now: the window
// must not stay parked.
constexpr std::uint32_t kLateWorkerMs = 1000;
// How long the program's end waits for parked windows that do not answer, and how often it tries them again.
constexpr std::uint32_t kReleaseGraceMs = 3000;
constexpr std::uint32_t kReleaseRetryMs = 100;
constexpr std::int32_t kOffscreenShift = 3000;
// The hides of one switch get 0 + 50 + ... + 450 = 2250 ms.
constexpr std::uint32_t kHideWaitStepMs = 50;
constexpr std::uint32_t kHideWaitLastMs = 450;
// Only read when the new parent is the desktop.
constexpr std::int32_t kParkingShowState = 0;

constexpr const char* kExplorerClasses[] = {"IEFrame", "ExploreWClass", "CabinetWClass"};

constexpr std::uint32_t kHideFlags =
    kAsyncWindowPos | kNoSendChanging | kNoOwnerZOrder | kHideWindow | kNoZOrder | kNoMove | kNoSize;
// Not activated one by one: the switch activates the screen's top window once the batch has ended, and
// activations of other processes' windows land late and would shuffle the z-order the batch restores.
constexpr std::uint32_t kShowInBatchFlags = kShowWindow | kNoMove | kNoSize | kNoActivate;
constexpr std::uint32_t kShowAloneFlags = kAsyncWindowPos | kShowWindow | kNoZOrder | kNoMove | kNoSize;
constexpr std::uint32_t kShowExplorerFlags = kNoSendChanging | kShowWindow | kNoZOrder | kNoMove | kNoSize;
constexpr std::uint32_t kExplorerTopmostFlags = kAsyncWindowPos | kNoSendChanging | kNoMove | kNoSize;
// Positioning, unlike SW_HIDE, activates no other window; and it is not asynchronous, so that it cannot come
// after the placement that follows it.
constexpr std::uint32_t kHideBeforePlacementFlags =
    kHideWindow | kNoActivate | kNoOwnerZOrder | kNoZOrder | kNoMove | kNoSize;
constexpr std::uint32_t kHideAgainFlags = kHideWindow | kNoZOrder | kNoMove | kNoSize;
constexpr std::uint32_t kRepositionFlags = kAsyncWindowPos | kNoActivate | kNoOwnerZOrder | kNoZOrder;

Rect Shifted(const Rect& rect, std::int32_t by) {
  return {rect.left + by, rect.top + by, rect.right + by, rect.bottom + by};
}

}  // namespace

SwitchEngine::SwitchEngine(const EnginePlatform& platform, WindowTracker& tracker)
    : desktop_(platform.desktop),
      clock_(platform.clock),
      workers_(platform.workers),
      hookLock_(platform.hookLock),
      tracker_(tracker),
      takenOff_(tracker.TakenOff()) {}

bool SwitchEngine::IsExplorerClass(WindowHandle window) {
  if (pass_ != nullptr) {
    const auto known = pass_->explorerClasses.find(window);
    if (known != pass_->explorerClasses.end()) return known->second;
  }
  const std::string className = desktop_.ClassName(window);
  const bool explorer = std::any_of(std::begin(kExplorerClasses), std::end(kExplorerClasses),
                                    [&](const char* explorerClass) { return className == explorerClass; });
  if (pass_ != nullptr) pass_->explorerClasses.emplace(window, explorer);
  return explorer;
}

bool SwitchEngine::IsWindowOffDesktop(WindowHandle window) {
  if (!ParksWindow(window)) return !desktop_.IsVisible(window);
  const std::vector<WindowHandle> parked = desktop_.ChildWindows(holder_);
  return std::find(parked.begin(), parked.end(), window) != parked.end();
}

void SwitchEngine::SetWindowOnDesktop(WindowHandle window, bool show, PositionBatch* batch, WindowHandle* activate) {
  // The show of a window whose hide has not landed yet is queued behind that hide and wins; skipped, the late hide
  // would take it off the screen it belongs to.
  const bool offDesktop = show ? IsOffDesktopOrGoing(window) : IsWindowOffDesktop(window);
  if (show != offDesktop) return;
  if (activate != nullptr) *activate = nullptr;
  MoveWindow(window, show, batch, activate);
  clock_.Sleep(0);
}

void SwitchEngine::MoveWindow(WindowHandle window, bool show, PositionBatch* batch, WindowHandle* activate) {
  HookLockScope hookLock(hookLock_);
  {
    std::unique_lock<std::recursive_mutex> ownedLock = ownedWindows_.Lock();
    if (show) {
      BringOwnedWindowsBack(window, batch, activate);
    } else {
      TakeOwnedWindowsAlong(window);
    }
  }
  if (!show) takenOff_.Add(window);
  if (ParksWindow(window)) {
    if (!show) {
      ParkExplorerWindow(window);
      return;
    }
    // Stopping a flash or activating waits for a window that does not answer.
    if (!UnparkExplorerWindow(window, batch)) return;
  } else {
    if (!show) {
      desktop_.SetPosition(window, InsertAfter::kTop, Rect{}, kHideFlags);
      desktop_.ShowAsync(window, kSwHide);
      return;
    }
    if (batch != nullptr) {
      batch->Add(window, InsertAfter::kTop, kShowInBatchFlags);
    } else {
      desktop_.SetPosition(window, InsertAfter::kTop, Rect{}, kShowAloneFlags);
    }
  }
  takenOff_.Remove(window);
  if (batch == nullptr) StopFlashing(window);
}

void SwitchEngine::BringOwnedWindowsBack(WindowHandle window, PositionBatch* batch, WindowHandle* activate) {
  const std::vector<WindowHandle> ownedWindows = ownedWindows_.Take(window);
  if (ownedWindows.empty()) return;
  // As it is before its owned windows come back.
  const bool windowEnabled = !desktop_.Has(window, WindowTrait::kDisabled);
  for (WindowHandle owned : ownedWindows) {
    SetWindowOnDesktop(owned, true, batch, activate);
    // A modal dialog box of a disabled owner is the window the user has to answer.
    if (activate != nullptr && !windowEnabled && !desktop_.Has(owned, WindowTrait::kMinimized) &&
        !desktop_.Has(owned, WindowTrait::kDisabled)) {
      *activate = owned;
    }
  }
}

std::vector<SwitchEngine::OwnedWindow> SwitchEngine::VisibleOwnedWindows() {
  std::vector<OwnedWindow> owned;
  for (WindowHandle window : desktop_.TopLevelWindowsFromTop()) {
    if (!desktop_.IsVisible(window)) continue;
    const WindowHandle owner = desktop_.Owner(window);
    if (owner != nullptr) owned.push_back({window, owner});
  }
  return owned;
}

const std::vector<SwitchEngine::OwnedWindow>& SwitchEngine::OwnedWindowsOfPass(std::vector<OwnedWindow>& walked) {
  if (pass_ == nullptr) return walked = VisibleOwnedWindows();
  if (!pass_->ownedWindows) pass_->ownedWindows = VisibleOwnedWindows();
  return *pass_->ownedWindows;
}

void SwitchEngine::TakeOwnedWindowsAlong(WindowHandle window) {
  std::vector<OwnedWindow> walked;
  // A copy: the nested hides below may start the pass's walk.
  const std::vector<OwnedWindow> owned = OwnedWindowsOfPass(walked);
  for (const OwnedWindow& other : owned) {
    if (other.owner != window) continue;
    // During a hide pass it may have gone along with an earlier window, or closed, since the pass began.
    if (!desktop_.IsVisible(other.window)) continue;
    SetWindowOnDesktop(other.window, false, nullptr, nullptr);
    ownedWindows_.Append(window, other.window);
  }
}

void SwitchEngine::ParkExplorerWindow(WindowHandle window) {
  ParkedState state;
  if (desktop_.Has(window, WindowTrait::kMaximized)) {
    state.showState = ParkedState::kMaximized;
  } else if (desktop_.Has(window, WindowTrait::kMinimized)) {
    state.showState = ParkedState::kMinimized;
  }
  state.topmost = desktop_.Has(window, WindowTrait::kTopmost);
  WindowPlacement placement;
  if (desktop_.GetPlacement(window, placement)) state.normalRect = placement.normalRect;
  parkedStates_[window] = state;
  ReparentAsync(window, holder_, kParkingShowState);
}

bool SwitchEngine::UnparkExplorerWindow(WindowHandle window, PositionBatch* batch) {
  const auto found = parkedStates_.find(window);
  // A window in the holder without its state (a worker that ended late parked it after its state had been used)
  // comes back all the same, as it is now.
  const bool known = found != parkedStates_.end();
  if (!known && !IsParked(window)) return false;
  // A window that does not answer cannot be moved now. It stays parked with its state, and the screen-state tick
  // tries again until it answers; without its state it would stay parked for good.
  if (tracker_.IsWindowHung(window)) return false;
  const ParkedState state = known ? found->second : ParkedState{};
  if (known) parkedStates_.erase(found);
  // A worker that did not end in time may still be moving the window: leave its placement alone then.
  if (StartReparentWorker(window, nullptr, state.showState) && state.showState != ParkedState::kNormal) {
    WindowPlacement placement;
    if (desktop_.GetPlacement(window, placement)) {
      placement.flags = 0;
      placement.normalRect = state.normalRect;
      placement.showCommand = state.showState == ParkedState::kMaximized ? kSwMaximize : kSwMinimize;
      desktop_.SetPosition(window, InsertAfter::kTop, Rect{}, kHideBeforePlacementFlags);
      SetPlacementOrReposition(window, placement);
    }
  }
  if (batch != nullptr) {
    batch->Add(window, InsertAfter::kTop, kShowExplorerFlags);
  } else {
    desktop_.SetPosition(window, InsertAfter::kTop, Rect{}, kShowExplorerFlags);
  }
  const bool topmostNow = desktop_.Has(window, WindowTrait::kTopmost);
  InsertAfter after = InsertAfter::kTop;
  if (state.topmost != topmostNow) after = state.topmost ? InsertAfter::kTopmost : InsertAfter::kNotTopmost;
  desktop_.SetPosition(window, after, Rect{}, kExplorerTopmostFlags);
  return true;
}

WindowHandle SwitchEngine::ShowScreenWindows(const ScreenWindows& screen) {
  HookLockScope hookLock(hookLock_);
  PassMemo memo;
  PassScope pass(pass_, memo);
  const std::vector<WindowHandle> windows = screen.Windows();
  std::unique_ptr<PositionBatch> batch = desktop_.BeginPositionBatch(static_cast<int>(windows.size()));
  clock_.Sleep(0);
  PostedPositionBatch posted(desktop_);
  ThreadProbeAnswers answers;
  WindowHandle activate = nullptr;
  bool topAnswers = true;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    WindowHandle place = nullptr;
    // Asked once here rather than again in SetWindowOnDesktop.
    const bool offDesktop = IsOffDesktopOrGoing(*it);
    // A hidden window that does not answer would hold up the batch, and with it the whole switch, until it does.
    const bool hung = offDesktop && !ParksWindow(*it) && tracker_.IsWindowHung(*it, &answers);
    if (offDesktop) MoveWindow(*it, true, hung ? &posted : batch.get(), &place);
    if (it == windows.rbegin()) {
      // The dialog box of a disabled owner may belong to a program that does not answer: activating it would wait.
      activate = place != nullptr && !tracker_.IsWindowHung(place, &answers) ? place : nullptr;
      topAnswers = !hung;
    }
    clock_.Sleep(0);
  }
  if (batch) batch->End();
  clock_.Sleep(0);
  // Activating a top window that does not answer, or stayed parked because it does not, would wait for it.
  if (activate == nullptr && !windows.empty() && topAnswers && !IsParked(windows.back())) activate = windows.back();
  clock_.Sleep(0);
  return activate;
}

void SwitchEngine::HideScreenWindows(const ScreenWindows& screen, const ScreenWindows* staying) {
  HookLockScope hookLock(hookLock_);
  PassMemo memo;
  PassScope pass(pass_, memo);
  std::vector<WindowHandle> waiting;
  const std::vector<WindowHandle> windows = screen.Windows();
  ThreadProbeAnswers answers;
  for (WindowHandle window : windows) {
    if ((staying != nullptr && staying->Contains(window)) || IsWindowOffDesktop(window)) continue;
    // Known to be on the desktop: SetWindowOnDesktop would ask again.
    MoveWindow(window, false, nullptr, nullptr);
    clock_.Sleep(0);
    // A window that let the last wait run out gets its hide all the same, but no wait while it still does not
    // answer: every switch would wait the whole time for it again.
    if (hideNotLanded_.count(window) != 0) {
      if (tracker_.IsWindowHung(window, &answers)) continue;
      hideNotLanded_.erase(window);
    }
    waiting.push_back(window);
  }
  // Each check asks only for the windows still on the desktop.
  for (std::uint32_t delay = 0;; delay += kHideWaitStepMs) {
    DropOffDesktop(waiting);
    if (waiting.empty() || delay > kHideWaitLastMs) break;
    clock_.Sleep(delay);
  }
  hideNotLanded_.insert(waiting.begin(), waiting.end());
}

void SwitchEngine::DropOffDesktop(std::vector<WindowHandle>& windows) {
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [this](WindowHandle window) { return IsWindowOffDesktop(window); }),
                windows.end());
}

bool SwitchEngine::ReparentAsync(WindowHandle window, WindowHandle parent, std::int32_t showState) {
  if (tracker_.IsWindowHung(window)) return false;
  return StartReparentWorker(window, parent, showState);
}

bool SwitchEngine::StartReparentWorker(WindowHandle window, WindowHandle parent, std::int32_t showState) {
  return workers_.Run([this, window, parent, showState] { ReparentJob(window, parent, showState); }, kWorkerWaitMs);
}

void SwitchEngine::ReparentJob(WindowHandle window, WindowHandle parent, std::int32_t showState) {
  BusyWindowSet& busyWindows = tracker_.BusyWindows();
  busyWindows.Add(window);
  const std::uint32_t start = clock_.TickCount();
  if (parent == nullptr && showState != ParkedState::kNormal) {
    WindowPlacement placement;
    if (desktop_.GetPlacement(window, placement)) {
      placement.normalRect = Shifted(placement.normalRect, kOffscreenShift);
      SetPlacementOrReposition(window, placement);
    }
  }
  desktop_.SetParent(window, parent);
  busyWindows.Remove(window);
  if (clock_.TickCount() - start > kLateWorkerMs) ReparentAsync(window, nullptr, ParkedState::kNormal);
}

bool SwitchEngine::ApplyShowCommandAsync(WindowHandle window, std::int32_t showCommand) {
  if (tracker_.IsWindowHung(window)) return false;
  return workers_.Run([this, window, showCommand] { ShowCommandJob(window, showCommand); }, kWorkerWaitMs);
}

void SwitchEngine::ShowCommandJob(WindowHandle window, std::int32_t showCommand) {
  BusyWindowSet& busyWindows = tracker_.BusyWindows();
  busyWindows.Add(window);
  if (desktop_.IsVisible(window)) {
    WindowPlacement placement;
    if (desktop_.GetPlacement(window, placement)) {
      // A placement restores a minimised window to its normal size even when it was maximised before: the
      // flag only counts with a minimising command.
      const bool backToMaximized = showCommand == kSwRestore && desktop_.Has(window, WindowTrait::kMinimized) &&
                                   placement.flags == kPlacementRestoreToMaximized;
      placement.showCommand = backToMaximized ? kSwMaximize : showCommand;
      SetPlacementOrReposition(window, placement);
    }
  } else if (!ownedWindows_.HasList(window)) {
    // A window of another screen takes the command and goes again at once. One whose owned windows were taken
    // along is left alone: they would not come with it.
    desktop_.Show(window, showCommand);
    desktop_.SetPosition(window, InsertAfter::kTop, Rect{}, kHideAgainFlags);
  }
  busyWindows.Remove(window);
}

// Wine refuses the placement of another process's window and changes nothing: reach the same state with calls it
// allows. Positioning sets the normal rectangle only while the window is restored; a minimised or maximised
// window keeps the normal rectangle it has, which is also the right one there, since Wine reads back the current
// rectangle in its place. The show command comes last.
void SwitchEngine::SetPlacementOrReposition(WindowHandle window, const WindowPlacement& placement) {
  if (desktop_.SetPlacement(window, placement)) return;
  if (!desktop_.Has(window, WindowTrait::kMinimized) && !desktop_.Has(window, WindowTrait::kMaximized)) {
    desktop_.SetPosition(window, InsertAfter::kTop, placement.normalRect, kRepositionFlags);
  }
  desktop_.ShowAsync(window, placement.showCommand);
}

bool SwitchEngine::IsParked(WindowHandle window) { return ParksWindow(window) && IsWindowOffDesktop(window); }

void SwitchEngine::ForgetClosedWindows() {
  for (WindowHandle window : takenOff_.Windows()) {
    if (!desktop_.Exists(window)) takenOff_.Remove(window);
  }
  for (auto it = parkedStates_.begin(); it != parkedStates_.end();) {
    it = desktop_.Exists(it->first) ? std::next(it) : parkedStates_.erase(it);
  }
  for (auto it = hideNotLanded_.begin(); it != hideNotLanded_.end();) {
    it = desktop_.Exists(*it) ? std::next(it) : hideNotLanded_.erase(it);
  }
}

std::vector<WindowHandle> SwitchEngine::ParkedWindows() {
  if (holder_ == nullptr) return {};
  return desktop_.ChildWindows(holder_);
}

void SwitchEngine::ReleaseParkedWindows() {
  // A window that does not answer at this moment gets a few more chances before the holder goes.
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    for (WindowHandle window : ParkedWindows()) {
      if (ReparentAsync(window, nullptr, ParkedState::kNormal)) takenOff_.Remove(window);
    }
    if (ParkedWindows().empty() || clock_.TickCount() - start >= kReleaseGraceMs) return;
    clock_.Sleep(kReleaseRetryMs);
  }
}

}  // namespace qiv
