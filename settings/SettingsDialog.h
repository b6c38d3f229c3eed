// The settings window: a modal dialog that holds the settings sheet in the place of its frame static.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"
#include "settings/CSetPS.h"
#include "shell/Settings.h"

namespace qiv {

class SettingsDialog : public Dialog {
 public:
  // model: the panel's screens; startPage: kGeneralPage or another page index of CSetPS; windowToStick: a window
  // for the Sticky Windows page to make a rule of, or null. Run it with DoModal: IDOK once the settings are saved
  // (and the screens handed to the panel), IDCANCEL else.
  SettingsDialog(Settings& settings, ScreenModel& model, int startPage, HWND windowToStick);

 protected:
  bool OnInitDialog() override;
  // Enter and Escape of the dialog act as every page's OK and Cancel.
  void OnOK() override;
  void OnCancel() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnActivate(WPARAM wParam, LPARAM lParam);

  CSetPS sheet_;
};

}  // namespace qiv
