// The panel: the program's main window, run as a modal dialog for as long as the program runs.
#pragma once

#include "app/Settings.h"
#include "engine/ScreenList.h"
#include "framework/Dialog.h"
#include "panel/HolderWindow.h"
#include "platform/IconSource.h"
#include "platform/Registry.h"

namespace qiv {

class PanelWindow final : public Dialog {
 public:
  PanelWindow(Settings& settings, Registry& registry, IconSource& icons);

 protected:
  bool OnInitDialog() override;
  // Enter and Escape (and with them WM_CLOSE and Alt+F4) do nothing: the panel ends only
  // through its close command.
  void OnOK() override;
  void OnCancel() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnRightButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnMainMenu(WPARAM wParam, LPARAM lParam);
  LRESULT OnHelpCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnCloseCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  void ApplyScreenList(const ScreenList& newList);

  Settings& settings_;
  Registry& registry_;
  IconSource& icons_;
  ScreenList screenList_;
  HICON panelIcon_ = nullptr;
  HolderThread holder_;
};

}  // namespace qiv
