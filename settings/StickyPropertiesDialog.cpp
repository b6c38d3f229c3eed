// "Sticky window properties".
#include "settings/StickyPropertiesDialog.h"

#include "controls/CentreOnDesktop.h"
#include "framework/DataExchange.h"
#include "framework/ShowMessage.h"
#include "resources/resource.h"
#include "settings/StickyRuleEntry.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(StickyPropertiesDialog, Dialog)
  QIV_ON_COMMAND(IDC_RULE_TEXT, EN_CHANGE, OnTextChange)
  QIV_ON_COMMAND(IDC_RULE_CLASS, EN_CHANGE, OnClassChange)
QIV_END_MESSAGE_MAP()

StickyPropertiesDialog::StickyPropertiesDialog(const StickyRule* rule) : Dialog(IDD_STICKY_PROPERTIES) {
  if (rule != nullptr) rule_ = *rule;
}

bool StickyPropertiesDialog::OnInitDialog() {
  helpLink_.SubclassDlgItem(Handle(), IDC_HELP_LINK);
  helpLink_.SetHelpLink("Set_EditSticky.htm");
  CentreOnDesktop(Handle());
  // Filling the edits sends EN_CHANGE: a stored text whose box is off must not turn it on.
  textWasEmpty_ = rule_.text.empty();
  classWasEmpty_ = rule_.className.empty();
  return Dialog::OnInitDialog();
}

void StickyPropertiesDialog::DoDataExchange(DataExchange& dx) {
  dx.ExchangeCheck(IDC_RULE_USE_TEXT, rule_.useText);
  dx.ExchangeCheck(IDC_RULE_IS_FRAGMENT, rule_.isFragment);
  dx.ExchangeText(IDC_RULE_TEXT, rule_.text);
  dx.ExchangeCheck(IDC_RULE_USE_CLASS, rule_.useClass);
  dx.ExchangeText(IDC_RULE_CLASS, rule_.className);
}

void StickyPropertiesDialog::OnOK() {
  if (!UpdateData(true)) return;
  switch (CheckRuleEntry(rule_)) {
    case RuleEntryProblem::kNothingChecked: ShowMessage(Handle(), IDS_CHECK_TEXT_OR_CLASS, MB_OK); return;
    case RuleEntryProblem::kEmptyValue: ShowMessage(Handle(), IDS_EMPTY_TEXT_OR_CLASS, MB_OK); return;
    case RuleEntryProblem::kNone: break;
  }
  EndDialog(IDOK);
}

LRESULT StickyPropertiesDialog::OnTextChange(WPARAM, LPARAM) {
  CheckOnFirstCharacter(IDC_RULE_TEXT, IDC_RULE_USE_TEXT, textWasEmpty_);
  return 0;
}

LRESULT StickyPropertiesDialog::OnClassChange(WPARAM, LPARAM) {
  CheckOnFirstCharacter(IDC_RULE_CLASS, IDC_RULE_USE_CLASS, classWasEmpty_);
  return 0;
}

void StickyPropertiesDialog::CheckOnFirstCharacter(int editId, int checkId, bool& wasEmpty) {
  const bool isEmpty = ::GetWindowTextLengthA(DlgItem(editId)) == 0;
  if (wasEmpty && !isEmpty && ::IsDlgButtonChecked(Handle(), checkId) != BST_CHECKED) {
    ::CheckDlgButton(Handle(), checkId, BST_CHECKED);
  }
  wasEmpty = isEmpty;
}

}  // namespace qiv
