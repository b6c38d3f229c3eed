// The screens the panel shows, their window lists and the current screen: switching between them and replacing
// the screen list without losing the windows of the screens that stay.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/EnginePlatform.h"
#include "engine/EngineSettings.h"
#include "engine/PanelView.h"
#include "engine/ScreenList.h"
#include "engine/ScreenWindows.h"
#include "engine/StickyRuleList.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowTracker.h"
#include "platform/IconSource.h"
#include "platform/Registry.h"

namespace qiv {

// Owned by the panel; runs on the user-interface thread. The current screen is the panel's list-box selection.
class ScreenModel {
 public:
  // While a mutex of this name exists, RefreshScreenState pauses; another process may create it.
  static constexpr char kPauseMutexName[] = "ActiveMutex 1234";

  ScreenModel(SwitchEngine& engine, WindowTracker& tracker, const EnginePlatform& platform, IconSource& icons,
              Registry& registry, const EngineSettings& settings, PanelView& view);
  // Brings every screen's windows back to the desktop.
  ~ScreenModel();
  ScreenModel(const ScreenModel&) = delete;
  ScreenModel& operator=(const ScreenModel&) = delete;

  // Replaces the screen list, keeping the window lists of the screens that stay the same (name and icon) and
  // bringing back the windows of the others; saves the list, selects the current screen again (else the first)
  // and re-lays out the panel. newList must be another list than Screens(). A list just loaded is not saved back:
  // what is stored beyond the screens loaded stays stored.
  enum class ListOrigin { kNew, kJustLoaded };
  void ApplyScreenList(const ScreenList& newList, ListOrigin origin = ListOrigin::kNew);
  // Makes the panel's selection the current screen; nothing when it is the current screen already.
  void SwitchToScreen();
  void SelectScreen(int index);
  // The panel's screen-state tick: refreshes the current screen's list and every screen's empty state, and
  // repaints the buttons when one changed. Pauses while the hook lock is raised or the pause mutex exists.
  void RefreshScreenState();
  // Whether a switch began at or after tick (a tick count of the clock), wrap of the counter included. A report
  // made before a switch is out of date once that switch ran: the switch has already given every window on the
  // desktop to the screen it left.
  bool SwitchedSince(std::uint32_t tick) const;
  // A report that a window was shown, made at tick, that a switch has overtaken: the switch gave every window on
  // the desktop to the screen it left. Only while the window is hidden now: one that is visible after the switch
  // showed itself on the wrong screen all the same. A hidden window that we took off the desktop was sent back
  // already (by the screen-state tick): waiting for it to show would block the panel for seconds.
  bool IsReportOutOfDate(WindowHandle window, std::uint32_t tick);
  // Brings every screen's windows back to the desktop and drops the window lists, as the program's close does.
  // The model has no screens to switch afterwards. Inside a switch (the session's end arrives during one of its
  // waits) the windows come back at once and the lists go when the switch returns.
  void BringBackAllWindows();
  // The sticky rules changed: every window that one of them now matches comes back to the desktop, shown and not
  // activated, and leaves every screen's list, since a sticky window is never tracked.
  void ReleaseStickyWindows(const StickyRuleList& rules);

  const ScreenList& Screens() const { return screenList_; }
  int ScreenCount() const { return static_cast<int>(screenWindows_.size()); }
  // -1 before the first switch.
  int CurrentScreen() const { return current_; }
  // Null outside the screens.
  ScreenWindows* Windows(int index);

 private:
  bool HeldByHiddenScreen(WindowHandle window);
  // Takes off the desktop again the windows of hidden screens that showed themselves unreported.
  void SendBackUnreportedWindows();

  SwitchEngine& engine_;
  WindowTracker& tracker_;
  Desktop& desktop_;
  Clock& clock_;
  HookLock& hookLock_;
  ProgramProcess& process_;
  OffDesktopJournal& journal_;
  Registry& registry_;
  const EngineSettings& settings_;
  PanelView& view_;
  ScreenList screenList_;
  std::vector<std::unique_ptr<ScreenWindows>> screenWindows_;
  int current_ = -1;
  // Empty before the first switch.
  std::optional<std::uint32_t> lastSwitchTick_;
  bool switching_ = false;
  bool switchPending_ = false;
  bool bringBackPending_ = false;
};

}  // namespace qiv
