// The screens the panel shows, their window lists and the current screen.
#include "engine/ScreenModel.h"

#include <algorithm>
#include <utility>

#include "platform/HookLockScope.h"

namespace qiv {

ScreenModel::ScreenModel(SwitchEngine& engine, WindowTracker& tracker, const EnginePlatform& platform,
                         IconSource& icons, Registry& registry, const EngineSettings& settings, PanelView& view)
    : engine_(engine),
      tracker_(tracker),
      desktop_(platform.desktop),
      clock_(platform.clock),
      hookLock_(platform.hookLock),
      process_(platform.process),
      journal_(platform.journal),
      registry_(registry),
      settings_(settings),
      view_(view),
      screenList_(icons) {}

ScreenModel::~ScreenModel() { BringBackAllWindows(); }

ScreenWindows* ScreenModel::Windows(int index) {
  if (index < 0 || index >= ScreenCount()) return nullptr;
  return screenWindows_[index].get();
}

void ScreenModel::ApplyScreenList(const ScreenList& newList, ListOrigin origin) {
  std::vector<std::unique_ptr<ScreenWindows>> handedOn(newList.Count());
  int selected = -1;
  for (int position = 0; position < newList.Count(); ++position) {
    const Screen* screen = newList.At(position);
    if (screen == nullptr) continue;
    for (int old = 0; old < screenList_.Count() && old < ScreenCount(); ++old) {
      const Screen* oldScreen = screenList_.At(old);
      if (oldScreen == nullptr || !screen->IsSameScreen(*oldScreen)) continue;
      // A second new screen like the same old one starts empty.
      handedOn[position] = std::move(screenWindows_[old]);
      if (old == current_) selected = position;
      break;
    }
  }
  // In order, each brings its windows back to the desktop as it goes.
  for (std::unique_ptr<ScreenWindows>& windows : screenWindows_) windows.reset();
  view_.ResetScreenButtons();
  screenWindows_.clear();
  screenList_.CopyFrom(newList);
  if (origin == ListOrigin::kNew) screenList_.Save(registry_, settings_.SettingsSaveBlocked());
  for (int position = 0; position < screenList_.Count(); ++position) {
    std::unique_ptr<ScreenWindows>& windows = handedOn[position];
    if (!windows) windows = std::make_unique<ScreenWindows>(engine_, tracker_.AddedTimes(), position);
    windows->SetIndex(position);
    view_.AddScreenButton(screenList_.Name(position));
    screenWindows_.push_back(std::move(windows));
  }
  current_ = -1;
  view_.SetScreenSelection(std::max(selected, 0));
  SwitchToScreen();
  view_.ApplyLayout();
}

void ScreenModel::SwitchToScreen() {
  if (switching_) {
    // A hot key reported while the switch waits for another program: its turn comes when this switch is done.
    switchPending_ = true;
    return;
  }
  view_.HideAppList();
  const int old = current_;
  const int selection = view_.ScreenSelection();
  current_ = std::min(std::max(selection, 0), ScreenCount() - 1);
  if (current_ != selection) view_.SetScreenSelection(current_);
  if (current_ == old) return;
  lastSwitchTick_ = clock_.TickCount();
  {
    HookLockScope hookLock(hookLock_);
    // Waits for other programs' windows let sent messages in, the end of the session among them: it must not free
    // the lists in use here (see BringBackAllWindows).
    switching_ = true;
    ScreenWindows* leaving = Windows(old);
    ScreenWindows* coming = Windows(current_);
    // Every eligible window on the desktop now belongs to the screen being left.
    if (leaving != nullptr) tracker_.RefreshScreenWindows(*leaving, nullptr);
    WindowHandle activate = nullptr;
    // The new screen's windows appear before the old ones go, so the desktop is never bare.
    if (coming != nullptr) activate = engine_.ShowScreenWindows(*coming);
    if (leaving != nullptr && !bringBackPending_) engine_.HideScreenWindows(*leaving, coming);
    if (activate != nullptr && !bringBackPending_) {
      desktop_.SetForeground(activate);
      clock_.Sleep(0);
      engine_.StopFlashing(activate);
    }
    if (coming != nullptr) coming->SetAttentionWindow(nullptr);
    // The others' looks did not change: their lists did not, nor their attention.
    if (leaving != nullptr) view_.RedrawScreenButton(old);
    if (coming != nullptr) view_.RedrawScreenButton(current_);
    switching_ = false;
  }
  tracker_.AddedTimes().PurgeAddedTimes();
  if (bringBackPending_) {
    BringBackAllWindows();
  } else if (switchPending_) {
    switchPending_ = false;
    SwitchToScreen();
  }
}

void ScreenModel::SelectScreen(int index) {
  view_.SetScreenSelection(index);
  SwitchToScreen();
}

void ScreenModel::RefreshScreenState() {
  if (hookLock_.Count() != 0) return;
  if (process_.NamedMutexExists(kPauseMutexName)) return;
  bool changed = false;
  // One probe per thread for the whole tick: a program that hangs with windows on several screens costs one wait.
  ThreadProbeAnswers answers;
  for (int index = 0; index < ScreenCount(); ++index) {
    ScreenWindows& screen = *screenWindows_[index];
    const bool wasEmpty = screen.IsEmpty();
    // The refresh has just dropped the current screen's closed windows.
    WindowTracker::EmptyCheck check = WindowTracker::EmptyCheck::kWholeList;
    if (index == current_) {
      tracker_.RefreshScreenWindows(screen, nullptr, &answers);
      check = WindowTracker::EmptyCheck::kUntilAnswer;
    }
    if (tracker_.CheckScreenEmpty(screen, &answers, check) != wasEmpty) changed = true;
  }
  if (changed) view_.RedrawScreenButtons();
  // A parked window that did not answer when its screen came back is still in the holder, and still in that
  // screen's list. It comes back as soon as it answers, but only while its screen is current; one that no screen
  // holds any more comes back in any case.
  for (WindowHandle window : engine_.ParkedWindows()) {
    if (HeldByHiddenScreen(window) || tracker_.IsWindowHung(window, &answers)) continue;
    engine_.SetWindowOnDesktop(window, true, nullptr, nullptr);
  }
  SendBackUnreportedWindows();
  engine_.ForgetClosedWindows();
  journal_.Flush();
}

void ScreenModel::SendBackUnreportedWindows() {
  if (!settings_.SmartDispatch) return;
  // The hooks report nothing while the hook lock is raised, for the whole of a switch and its wait: a window of a
  // hidden screen that showed itself meanwhile would stay on the wrong screen.
  for (WindowHandle window : tracker_.TakenOff().Windows()) {
    if (HeldByHiddenScreen(window) && !engine_.IsWindowOffDesktop(window)) {
      engine_.SetWindowOnDesktop(window, false, nullptr, nullptr);
    }
  }
}

bool ScreenModel::HeldByHiddenScreen(WindowHandle window) {
  const ScreenWindows* current = Windows(current_);
  if (current != nullptr && current->Contains(window)) return false;
  for (int index = 0; index < ScreenCount(); ++index) {
    if (index != current_ && screenWindows_[index]->Contains(window)) return true;
  }
  return false;
}

bool ScreenModel::IsReportOutOfDate(WindowHandle window, std::uint32_t tick) {
  if (desktop_.IsVisible(window)) return false;
  return SwitchedSince(tick) || tracker_.TakenOff().Contains(window);
}

bool ScreenModel::SwitchedSince(std::uint32_t tick) const {
  return lastSwitchTick_ && static_cast<std::int32_t>(*lastSwitchTick_ - tick) >= 0;
}

void ScreenModel::BringBackAllWindows() {
  if (switching_) {
    // Called from inside a switch's wait: the windows come back now, the lists go once the switch has returned.
    bringBackPending_ = true;
    for (std::unique_ptr<ScreenWindows>& windows : screenWindows_) engine_.ShowScreenWindows(*windows);
    return;
  }
  bringBackPending_ = false;
  // In screen order: each brings its windows back to the desktop as it goes.
  for (std::unique_ptr<ScreenWindows>& windows : screenWindows_) windows.reset();
  screenWindows_.clear();
  current_ = -1;
}

void ScreenModel::ReleaseStickyWindows(const StickyRuleList& rules) {
  for (std::unique_ptr<ScreenWindows>& screen : screenWindows_) {
    // A copy: the list shrinks as windows leave it.
    const std::vector<WindowHandle> windows = screen->Windows();
    for (WindowHandle window : windows) {
      if (!MatchesStickyRule(rules, desktop_.Text(window), desktop_.ClassName(window))) continue;
      // Shown before it leaves the list: once untracked, nothing would bring a hidden window back.
      engine_.SetWindowOnDesktop(window, true, nullptr, nullptr);
      screen->Remove(window);
    }
  }
}

}  // namespace qiv
