// A modal loop of our own, for popups that run one (a colour picker's palette) rather than a dialog's.
#pragma once

#include <windows.h>

#include "framework/ModalScope.h"

namespace qiv {

// Sees the messages of a loop before anyone else: a popup whose keys and outcomes the loop itself takes.
class ModalLoopClient {
 public:
  // Every message the loop takes, before pre-translation and dispatch. true: the client has dealt with it,
  // and it goes nowhere else.
  virtual bool OnLoopMessage(MSG& message) = 0;

 protected:
  ~ModalLoopClient() = default;
};

// Make one, create the popup owned by Owner(), then Run it; a handler of the popup calls End. The popup's
// owner is disabled while the loop runs and enabled again before the popup is hidden, so that activation
// goes back to it; the caller destroys the popup after Run.
class ModalLoop {
 public:
  explicit ModalLoop(HWND parent) : scope_(parent) {}
  ModalLoop(const ModalLoop&) = delete;
  ModalLoop& operator=(const ModalLoop&) = delete;

  HWND Owner() const { return scope_.Owner(); }

  // Shows popup (showCommand: SW_SHOWNA for a popup that must not take the activation) and pumps messages
  // until End, the popup's destruction, or WM_QUIT (posted again for the outer loop), offering each to client
  // first when there is one. Answers End's result; 0 after a destruction or WM_QUIT.
  int Run(HWND popup, ModalLoopClient* client = nullptr, int showCommand = SW_SHOW);
  // Ends the run after the message being handled. Nothing happens to the popup until Run returns.
  void End(int result);
  bool IsRunning() const { return running_; }

 private:
  ModalScope scope_;
  bool running_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace qiv
