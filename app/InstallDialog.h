// The dialog of the install run: which shortcuts to make and whether to start at once.
#pragma once

#include "framework/Dialog.h"

namespace qiv {

class InstallDialog final : public Dialog {
 public:
  InstallDialog();

  bool addDesktopShortcut = true;
  bool addToStartupFolder = true;
  bool runNow = true;

 protected:
  bool OnInitDialog() override;
  // Closes only while no instance of the program runs.
  void OnOK() override;
  // Closes only when the user confirms the cancellation.
  void OnCancel() override;
  void DoDataExchange(DataExchange& dx) override;
};

}  // namespace qiv
