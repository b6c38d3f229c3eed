// What the application list's commands do to the windows they act on.
#include "applist/AppListCommands.h"

#include "platform/HookLockScope.h"

namespace qiv {

void AppListCommands::ApplyShowState(const std::vector<WindowHandle>& windows, std::uint32_t command,
                                     std::int32_t showCommand, bool (WindowOperations::*canTake)(WindowHandle)) {
  HookLockScope lock(hookLock_);
  for (WindowHandle window : windows) {
    if (!desktop_.Exists(window)) continue;
    // A parked Explorer window takes its new state when its screen comes back.
    if (engine_.IsWindowOffDesktop(window) && engine_.IsExplorerClass(window)) {
      operations_.SetParkedShowState(window, command);
    } else if (canTake == nullptr || (operations_.*canTake)(window)) {
      engine_.ApplyShowCommandAsync(window, showCommand);
    }
  }
}

void AppListCommands::Restore(const std::vector<WindowHandle>& windows) {
  ApplyShowState(windows, kScRestore, kSwRestore, nullptr);
}

void AppListCommands::Minimize(const std::vector<WindowHandle>& windows) {
  ApplyShowState(windows, kScMinimize, kSwMinimize, &WindowOperations::CanMinimize);
}

void AppListCommands::Maximize(const std::vector<WindowHandle>& windows) {
  ApplyShowState(windows, kScMaximize, kSwMaximize, &WindowOperations::CanMaximize);
}

void AppListCommands::MinimizeAll(const std::vector<WindowHandle>& windows) {
  HookLockScope lock(hookLock_);
  for (WindowHandle window : windows) {
    if (desktop_.Exists(window)) engine_.ApplyShowCommandAsync(window, kSwMinimize);
  }
}

void AppListCommands::SetTopmost(const std::vector<WindowHandle>& windows, bool on) {
  for (WindowHandle window : windows) {
    if (desktop_.Exists(window)) operations_.SetTopmost(window, on);
  }
}

void AppListCommands::CopyToAllScreens(const std::vector<WindowHandle>& windows) {
  HookLockScope lock(hookLock_);
  for (WindowHandle window : windows) {
    if (desktop_.Exists(window)) operations_.CopyToAllScreens(window);
  }
}

void AppListCommands::KeepOnlyInScreen(const std::vector<WindowHandle>& windows, ScreenWindows& screen) {
  for (WindowHandle window : windows) {
    if (desktop_.Exists(window)) operations_.KeepOnlyInScreen(window, screen);
  }
}

void AppListCommands::Activate(const std::vector<WindowHandle>& windows) {
  HookLockScope lock(hookLock_);
  for (WindowHandle window : windows) {
    if (!desktop_.Exists(window) || engine_.IsWindowOffDesktop(window)) continue;
    if (desktop_.Has(window, WindowTrait::kMinimized)) desktop_.ShowAsync(window, kSwRestore);
    desktop_.SetForeground(window);
  }
}

void AppListCommands::MoveToScreen(const std::vector<WindowHandle>& windows, ScreenWindows& source,
                                   ScreenWindows& target, bool copy) {
  HookLockScope lock(hookLock_);
  for (WindowHandle window : windows) {
    if (desktop_.Exists(window)) operations_.MoveToScreen(window, source, target, copy);
  }
}

}  // namespace qiv
