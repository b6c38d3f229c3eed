// What the application list's commands do to the windows they act on: show states, top-most state, screen
// membership, activation and drops on another screen's button. The hook lock brackets those that move windows.
#pragma once

#include <vector>

#include "engine/ScreenModel.h"
#include "engine/ScreenWindows.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowOperations.h"
#include "platform/Desktop.h"
#include "platform/HookLock.h"

namespace qiv {

// Windows that no longer exist are skipped without a word. Runs on the user-interface thread.
class AppListCommands {
 public:
  AppListCommands(WindowOperations& operations, SwitchEngine& engine, Desktop& desktop, HookLock& hookLock)
      : operations_(operations), engine_(engine), desktop_(desktop), hookLock_(hookLock) {}

  void Restore(const std::vector<WindowHandle>& windows);
  void Minimize(const std::vector<WindowHandle>& windows);
  void Maximize(const std::vector<WindowHandle>& windows);
  // Every listed window, without asking whether it can.
  void MinimizeAll(const std::vector<WindowHandle>& windows);
  void SetTopmost(const std::vector<WindowHandle>& windows, bool on);
  void CopyToAllScreens(const std::vector<WindowHandle>& windows);
  void KeepOnlyInScreen(const std::vector<WindowHandle>& windows, ScreenWindows& screen);
  // Brings up the windows that are on the desktop; those of hidden screens stay where they are.
  void Activate(const std::vector<WindowHandle>& windows);
  void MoveToScreen(const std::vector<WindowHandle>& windows, ScreenWindows& source, ScreenWindows& target, bool copy);

 private:
  // command: the system command for a parked Explorer window, showCommand for any other; canTake: whether the
  // window may take it (null: always).
  void ApplyShowState(const std::vector<WindowHandle>& windows, std::uint32_t command, std::int32_t showCommand,
                      bool (WindowOperations::*canTake)(WindowHandle));

  WindowOperations& operations_;
  SwitchEngine& engine_;
  Desktop& desktop_;
  HookLock& hookLock_;
};

}  // namespace qiv
