// The settings window.
#include "settings/SettingsDialog.h"

#include "controls/CentreOnDesktop.h"
#include "resources/resource.h"
#include "shell/WindowGeometry.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(SettingsDialog, Dialog)
  QIV_ON_MESSAGE(WM_ACTIVATE, OnActivate)
QIV_END_MESSAGE_MAP()

SettingsDialog::SettingsDialog(Settings& settings, ScreenModel& model, int startPage, HWND windowToStick)
    : Dialog(IDD_SETTINGS), sheet_(settings, model, *this, startPage, windowToStick) {}

bool SettingsDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  CentreOnDesktop(Handle());
  if (sheet_.CreateChild(Handle(), WS_CHILD | WS_VISIBLE | DS_CONTROL, 0)) {
    const RECT frame = WindowRectIn(DlgItem(IDC_SHEET_FRAME), Handle());
    ::MoveWindow(sheet_.Handle(), frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, TRUE);
  }
  return true;
}

void SettingsDialog::OnOK() { sheet_.ApplyAllPages(); }

void SettingsDialog::OnCancel() { sheet_.CancelAllPages(); }

LRESULT SettingsDialog::OnActivate(WPARAM, LPARAM) {
  if (sheet_.Handle()) ::SetActiveWindow(sheet_.Handle());
  // The dialog manager then puts the focus back on the control that had it.
  return NotHandled();
}

}  // namespace qiv
