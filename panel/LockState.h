// The panel's lock: whether it is locked and the password that unlocks it, kept in memory only.
#pragma once

#include <string>

namespace qiv {

// What the lock command did with the lock dialog's answer.
enum class LockOutcome {
  Unchanged,      // cancelled
  Locked,         // was unlocked; the entered password now unlocks
  Unlocked,       // the password matched
  WrongPassword,  // did not match; still locked
};

class LockState {
 public:
  bool IsLocked() const { return locked_; }

  // The end of the lock dialog, which ran in unlock mode when IsLocked(): confirmed is its OK, password what
  // the user entered. The comparison is exact, case included. An unlock keeps the old password until the
  // next lock replaces it.
  LockOutcome ApplyDialogResult(bool confirmed, const std::string& password);

 private:
  bool locked_ = false;
  std::string lockPassword_;
};

}  // namespace qiv
