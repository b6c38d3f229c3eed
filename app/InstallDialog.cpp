// The dialog of the install run.
#include "app/InstallDialog.h"

#include "app/InstanceControl.h"
#include "framework/DataExchange.h"
#include "framework/ShowMessage.h"
#include "resources/resource.h"

namespace qiv {

InstallDialog::InstallDialog() : Dialog(IDD_INSTALL) {}

bool InstallDialog::OnInitDialog() {
  const bool result = Dialog::OnInitDialog();
  // Tells the user at once; the dialog still opens, and OK asks again.
  IsInstanceRunning(Handle());
  return result;
}

void InstallDialog::OnOK() {
  if (IsInstanceRunning(Handle())) return;
  Dialog::OnOK();
}

void InstallDialog::OnCancel() {
  if (ShowMessage(Handle(), IDS_CONFIRM_CANCEL_INSTALL, MB_YESNO | MB_ICONQUESTION) == IDYES) Dialog::OnCancel();
}

void InstallDialog::DoDataExchange(DataExchange& dx) {
  dx.ExchangeCheck(IDC_ADD_DESKTOP_SHORTCUT, addDesktopShortcut);
  dx.ExchangeCheck(IDC_ADD_TO_STARTUP_FOLDER, addToStartupFolder);
  dx.ExchangeCheck(IDC_RUN_NOW, runNow);
}

}  // namespace qiv
