// One modal run on this thread: who owns its window, and the owner's enabled state around it.
#pragma once

#include <windows.h>

#include "framework/ModalMessageFilter.h"

namespace qiv {

// Every modal runner of the program (dialogs, property sheets, message boxes, common dialogs, popups with a
// loop of their own) opens one around its run. Scopes nest: the owner of a run is the window of the
// innermost run whose window exists, so a dialog opened from a page of a modal sheet is owned by the sheet
// and gives it back enabled, instead of taking the panel and re-enabling that. Without a run, the owner is
// the top-level window of the parent the caller gave. While a scope lives, modeless windows get their
// pre-translation inside the run's loop (ModalMessageFilter).
class ModalScope {
 public:
  explicit ModalScope(HWND parent);
  // Gives the owner back enabled if this scope found it enabled, whatever way the run ended.
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  // The window to create the modal window with (null: none).
  HWND Owner() const { return owner_; }
  // The run's window, once it exists: from then on it owns the runs opened inside this one.
  void SetModalWindow(HWND window) { modalWindow_ = window; }

  // For a run whose loop is ours (the system's modal loops disable their owner themselves, and must find it
  // enabled to give it back).
  void DisableOwner();
  // Before the modal window is hidden or destroyed, so that the system activates the owner and not some
  // other program's window. Does nothing when the owner was disabled before this scope.
  void EnableOwner();

  // The window of the innermost run on this thread that has one and still exists; null outside runs.
  static HWND CurrentModalWindow();

 private:
  ModalMessageFilter filter_;
  ModalScope* outer_;
  HWND owner_;
  bool ownerWasEnabled_;
  HWND modalWindow_ = nullptr;
};

}  // namespace qiv
