// The base of the settings pages.
#include "settings/CSettingsPage.h"

#include "resources/resource.h"
#include "settings/CSetPS.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(CSettingsPage, PropertyPage)
  QIV_ON_COMMAND(IDOK, BN_CLICKED, OnOkButton)
  QIV_ON_COMMAND(IDCANCEL, BN_CLICKED, OnCancelButton)
QIV_END_MESSAGE_MAP()

CSettingsPage::CSettingsPage(UINT templateId, CSetPS& sheet, const char* helpPage)
    : PropertyPage(templateId), sheet_(sheet), helpPage_(helpPage) {}

bool CSettingsPage::SavePage() { return true; }

void CSettingsPage::RevertPage() {}

bool CSettingsPage::OnInitDialog() {
  if (helpLink_.SubclassDlgItem(Handle(), IDC_HELP_LINK)) helpLink_.SetHelpLink(helpPage_);
  return PropertyPage::OnInitDialog();
}

Settings& CSettingsPage::SettingsRecord() const { return sheet_.SettingsRecord(); }

LRESULT CSettingsPage::OnOkButton(WPARAM, LPARAM) {
  sheet_.ApplyAllPages();
  return 0;
}

LRESULT CSettingsPage::OnCancelButton(WPARAM, LPARAM) {
  sheet_.CancelAllPages();
  return 0;
}

}  // namespace qiv
