// The panel's lock: whether it is locked and the password that unlocks it, kept in memory only.
#include "panel/LockState.h"

namespace qiv {

LockOutcome LockState::ApplyDialogResult(bool confirmed, const std::string& password) {
  if (!confirmed) return LockOutcome::Unchanged;
  if (!locked_) {
    // The dialog refuses an empty password; were one to come, locking with it could never be undone,
    // because the dialog would refuse it again at unlock time.
    if (password.empty()) return LockOutcome::Unchanged;
    locked_ = true;
    lockPassword_ = password;
    return LockOutcome::Locked;
  }
  if (password != lockPassword_) return LockOutcome::WrongPassword;
  locked_ = false;
  return LockOutcome::Unlocked;
}

}  // namespace qiv
