// The base of the settings pages: its own OK and Cancel, which act for the whole sheet, and its "&Help" link.
#pragma once

#include <windows.h>

#include "controls/CStaticHyperLink.h"
#include "framework/PropertyPage.h"
#include "settings/PageActions.h"

namespace qiv {

class CSetPS;
class Settings;

class CSettingsPage : public PropertyPage, public PageActions {
 public:
  // helpPage: the page of the help folder that the "&Help" link opens.
  CSettingsPage(UINT templateId, CSetPS& sheet, const char* helpPage);

  bool HasPageWindow() const override { return Handle() != nullptr; }
  // Default: nothing to save, true.
  bool SavePage() override;
  // Default: nothing.
  void RevertPage() override;

 protected:
  // Takes over the "&Help" link, then shows the page's values (Dialog::OnInitDialog): a page copies its values
  // in before it calls this.
  bool OnInitDialog() override;

  CSetPS& Sheet() const { return sheet_; }
  Settings& SettingsRecord() const;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnOkButton(WPARAM wParam, LPARAM lParam);
  LRESULT OnCancelButton(WPARAM wParam, LPARAM lParam);

  CSetPS& sheet_;
  const char* helpPage_;
  CStaticHyperLink helpLink_;
};

}  // namespace qiv
