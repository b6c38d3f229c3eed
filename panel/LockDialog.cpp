// The password dialog of the panel's lock.
#include "panel/LockDialog.h"

#include "controls/CentreOnDesktop.h"
#include "framework/DataExchange.h"
#include "framework/ShowMessage.h"
#include "resources/resource.h"

namespace qiv {

LockDialog::LockDialog(bool unlockMode) : Dialog(IDD_LOCK), unlockMode_(unlockMode) {}

LockOutcome LockDialog::RunLockCommand(HWND panel, LockState& lock) {
  LockDialog dialog(lock.IsLocked());
  const bool confirmed = dialog.DoModal(panel) == IDOK;
  const LockOutcome outcome = lock.ApplyDialogResult(confirmed, dialog.Password());
  if (outcome == LockOutcome::WrongPassword) ShowMessage(panel, IDS_WRONG_PASSWORD, MB_OK);
  return outcome;
}

bool LockDialog::OnInitDialog() {
  const bool result = Dialog::OnInitDialog();
  ::SetWindowTextA(Handle(), unlockMode_ ? "Unlock" : "Lock");
  CentreOnDesktop(Handle());
  helpLink_.SubclassDlgItem(Handle(), IDC_HELP_LINK);
  helpLink_.SetHelpLink("Lock.htm");
  return result;
}

void LockDialog::OnOK() {
  if (!UpdateData(true)) return;
  if (password_.empty()) {
    ShowMessage(Handle(), IDS_EMPTY_PASSWORD, MB_OK);
    return;
  }
  EndDialog(IDOK);
}

void LockDialog::DoDataExchange(DataExchange& dx) { dx.ExchangeText(IDC_PASSWORD, password_); }

}  // namespace qiv
