// Single windows changing screens outside a switch: moving and copying them between screens, keeping them in one,
// the show and topmost state of windows that are off the desktop, and sending a window that shows itself while
// its screen is hidden back to that screen.
#pragma once

#include <cstdint>

#include "engine/EnginePlatform.h"
#include "engine/EngineSettings.h"
#include "engine/ParkedState.h"
#include "engine/ScreenModel.h"
#include "engine/ScreenWindows.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowTracker.h"
#include "platform/WindowHandle.h"

namespace qiv {

// Window-menu commands, with the system's own numbers.
enum SystemCommand : std::uint32_t {
  kScMinimize = 0xF020,
  kScMaximize = 0xF030,
  kScRestore = 0xF120,
};

// Runs on the user-interface thread.
class WindowOperations {
 public:
  WindowOperations(SwitchEngine& engine, WindowTracker& tracker, ScreenModel& model, const EnginePlatform& platform,
                   const EngineSettings& settings);
  WindowOperations(const WindowOperations&) = delete;
  WindowOperations& operator=(const WindowOperations&) = delete;

  // copy keeps the window in source too. The caller raises the hook lock around the whole drop.
  void MoveToScreen(WindowHandle window, ScreenWindows& source, ScreenWindows& target, bool copy);
  // The caller raises the hook lock around it.
  void CopyToAllScreens(WindowHandle window);
  void KeepOnlyInScreen(WindowHandle window, ScreenWindows& screen);
  // command: kScMinimize, kScMaximize or kScRestore, the state a parked window takes when it comes back. Anything
  // else, and a window that is not parked, changes nothing.
  void SetParkedShowState(WindowHandle window, std::uint32_t command);
  bool CanRestore(WindowHandle window);
  bool CanMaximize(WindowHandle window);
  bool CanMinimize(WindowHandle window);
  // For a parked window, the state it comes back with.
  bool IsTopmost(WindowHandle window);
  void SetTopmost(WindowHandle window, bool on);
  // Whether the window belongs to the screen through its parent or owner.
  bool BelongsByOwner(const ScreenWindows& screen, WindowHandle window);
  // For each window of another process that was just shown: when it belongs to a screen that is not current, it
  // goes there, the screen's button blinks and the sound plays. True when the window was sent away. Blocks for at
  // most 2 x 3000 ms while the window appears and goes.
  bool DispatchShownWindow(WindowHandle window);

 private:
  bool IsCurrent(const ScreenWindows& screen) const { return screen.Index() == model_.CurrentScreen(); }
  ParkedState* FindParkedState(WindowHandle window);
  // Maximising or minimising: an enabled window not in that state yet, with the box for it; a parked window only
  // when its parked state is that one.
  bool CanTakeShowState(WindowHandle window, std::int32_t parkedShowState, WindowTrait inState, WindowTrait box);
  void WaitForVisibility(WindowHandle window, bool visible);

  SwitchEngine& engine_;
  WindowTracker& tracker_;
  ScreenModel& model_;
  Desktop& desktop_;
  Clock& clock_;
  SoundPlayer& sound_;
  const EngineSettings& settings_;
};

}  // namespace qiv
