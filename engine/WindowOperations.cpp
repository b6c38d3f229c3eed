// Single windows changing screens outside a switch.
#include "engine/WindowOperations.h"

#include <initializer_list>
#include <vector>

namespace qiv {
namespace {

// The waits for a dispatched window to appear and to go: 0 + 10 + ... + 240 = 3000 ms each.
constexpr std::uint32_t kVisibilityWaitStepMs = 10;
constexpr std::uint32_t kVisibilityWaitLastMs = 240;

}  // namespace

WindowOperations::WindowOperations(SwitchEngine& engine, WindowTracker& tracker, ScreenModel& model,
                                   const EnginePlatform& platform, const EngineSettings& settings)
    : engine_(engine),
      tracker_(tracker),
      model_(model),
      desktop_(platform.desktop),
      clock_(platform.clock),
      sound_(platform.sound),
      settings_(settings) {}

void WindowOperations::MoveToScreen(WindowHandle window, ScreenWindows& source, ScreenWindows& target, bool copy) {
  if (&source == &target) return;
  if (!copy) source.Remove(window);
  target.Add(window);
  if (IsCurrent(target)) engine_.SetWindowOnDesktop(window, true, nullptr, nullptr);
  if (IsCurrent(source) && !copy) engine_.SetWindowOnDesktop(window, false, nullptr, nullptr);
}

void WindowOperations::CopyToAllScreens(WindowHandle window) {
  for (int index = 0; index < model_.ScreenCount(); ++index) model_.Windows(index)->Add(window);
  engine_.SetWindowOnDesktop(window, true, nullptr, nullptr);
}

void WindowOperations::KeepOnlyInScreen(WindowHandle window, ScreenWindows& screen) {
  for (int index = 0; index < model_.ScreenCount(); ++index) {
    ScreenWindows* other = model_.Windows(index);
    if (other != &screen) other->Remove(window);
  }
  if (!IsCurrent(screen)) engine_.SetWindowOnDesktop(window, false, nullptr, nullptr);
}

void WindowOperations::SetParkedShowState(WindowHandle window, std::uint32_t command) {
  ParkedState* state = FindParkedState(window);
  if (state == nullptr) return;
  switch (command) {
    case kScMinimize: state->showState = ParkedState::kMinimized; break;
    case kScMaximize: state->showState = ParkedState::kMaximized; break;
    case kScRestore: state->showState = ParkedState::kNormal; break;
    default: break;
  }
}

bool WindowOperations::CanRestore(WindowHandle window) {
  if (desktop_.Has(window, WindowTrait::kDisabled)) return false;
  if (const ParkedState* state = FindParkedState(window)) return state->showState != ParkedState::kNormal;
  return desktop_.Has(window, WindowTrait::kMaximized) || desktop_.Has(window, WindowTrait::kMinimized);
}

bool WindowOperations::CanMaximize(WindowHandle window) {
  return CanTakeShowState(window, ParkedState::kMaximized, WindowTrait::kMaximized, WindowTrait::kMaximizeBox);
}

bool WindowOperations::CanMinimize(WindowHandle window) {
  return CanTakeShowState(window, ParkedState::kMinimized, WindowTrait::kMinimized, WindowTrait::kMinimizeBox);
}

bool WindowOperations::CanTakeShowState(WindowHandle window, std::int32_t parkedShowState, WindowTrait inState,
                                        WindowTrait box) {
  if (desktop_.Has(window, WindowTrait::kDisabled)) return false;
  const ParkedState* state = FindParkedState(window);
  if (state != nullptr && state->showState != parkedShowState) return false;
  if (desktop_.Has(window, inState)) return false;
  return desktop_.Has(window, box);
}

bool WindowOperations::IsTopmost(WindowHandle window) {
  if (engine_.IsWindowOffDesktop(window)) {
    if (const ParkedState* state = FindParkedState(window)) return state->topmost;
  }
  return desktop_.Has(window, WindowTrait::kTopmost);
}

void WindowOperations::SetTopmost(WindowHandle window, bool on) {
  if (desktop_.Has(window, WindowTrait::kDisabled)) return;
  if (engine_.IsWindowOffDesktop(window)) {
    if (ParkedState* state = FindParkedState(window)) {
      state->topmost = on;
      return;
    }
  }
  desktop_.SetForeground(window);
  desktop_.SetPosition(window, on ? InsertAfter::kTopmost : InsertAfter::kNotTopmost, Rect{},
                       kAsyncWindowPos | kNoMove | kNoSize);
}

bool WindowOperations::BelongsByOwner(const ScreenWindows& screen, WindowHandle window) {
  const WindowHandle parent = desktop_.Parent(window);
  const WindowHandle owner = desktop_.Owner(window);
  if (parent == nullptr && owner == nullptr) return false;
  if (IsCurrent(screen)) {
    for (WindowHandle relative : {parent, owner}) {
      if (desktop_.IsVisible(relative) && !engine_.IsWindowOffDesktop(relative)) return true;
    }
  }
  return (parent != nullptr && screen.Contains(parent)) || (owner != nullptr && screen.Contains(owner));
}

bool WindowOperations::DispatchShownWindow(WindowHandle window) {
  if (!settings_.SmartDispatch) return false;
  // A parked window is off the desktop already, though it counts as visible inside the holder: waiting for it to
  // go would take the whole time and then blink and sound for nothing.
  if (engine_.IsParked(window)) return false;
  // A refresh of the last moments may have taken the window in before the hook's report arrived.
  ScreenWindows* current = model_.Windows(model_.CurrentScreen());
  if (current != nullptr && current->Contains(window) && tracker_.AddedTimes().WasRecentlyAdded(window)) {
    current->Remove(window);
  }
  std::vector<ScreenWindows*> targets;
  for (int index = 0; index < model_.ScreenCount(); ++index) {
    ScreenWindows* screen = model_.Windows(index);
    if (!screen->Contains(window)) continue;
    if (screen == current) return false;
    targets.push_back(screen);
  }
  if (targets.empty()) {
    for (int index = 0; index < model_.ScreenCount(); ++index) {
      ScreenWindows* screen = model_.Windows(index);
      if (!BelongsByOwner(*screen, window)) continue;
      if (screen == current) return false;
      targets.push_back(screen);
    }
    if (targets.empty()) return false;
    // Through its owner a window belongs to one screen only.
    targets.resize(1);
  }
  WaitForVisibility(window, true);
  engine_.SetWindowOnDesktop(window, false, nullptr, nullptr);
  WaitForVisibility(window, false);
  for (ScreenWindows* screen : targets) {
    screen->Add(window);
    if (settings_.SelfActivateBlink) screen->SetAttentionWindow(window);
  }
  if (!settings_.SelfActivateSound.empty()) sound_.PlayFileAsync(settings_.SelfActivateSound);
  return true;
}

ParkedState* WindowOperations::FindParkedState(WindowHandle window) {
  ParkedStateMap& states = engine_.ParkedStates();
  const auto found = states.find(window);
  return found == states.end() ? nullptr : &found->second;
}

void WindowOperations::WaitForVisibility(WindowHandle window, bool visible) {
  for (std::uint32_t delay = 0; desktop_.IsVisible(window) != visible && delay <= kVisibilityWaitLastMs;
       delay += kVisibilityWaitStepMs) {
    clock_.Sleep(delay);
  }
}

}  // namespace qiv
