// The password dialog of the panel's lock: asks for the password that locks the panel, or for the one that
// unlocks it.
#pragma once

#include <windows.h>

#include <string>

#include "controls/CStaticHyperLink.h"
#include "framework/Dialog.h"
#include "panel/LockState.h"

namespace qiv {

class LockDialog final : public Dialog {
 public:
  // unlockMode: the panel is locked, and the dialog asks for the password that unlocks it.
  explicit LockDialog(bool unlockMode);

  // The lock command's dialog: asks in the mode the lock is in and applies the answer to lock; a wrong
  // password is told once the dialog has gone. The panel enables or disables its buttons by the outcome.
  static LockOutcome RunLockCommand(HWND panel, LockState& lock);

  const std::string& Password() const { return password_; }

 protected:
  bool OnInitDialog() override;
  // An empty password is refused, and the dialog stays open.
  void OnOK() override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  bool unlockMode_;
  std::string password_;
  CStaticHyperLink helpLink_;
};

}  // namespace qiv
