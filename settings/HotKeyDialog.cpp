// The hot key dialog.
#include "settings/HotKeyDialog.h"

#include <utility>

#include "controls/CentreOnDesktop.h"
#include "framework/DataExchange.h"
#include "framework/ShowMessage.h"
#include "resources/resource.h"
#include "settings/HotKeyConflict.h"
#include "settings/HotKeyNames.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(HotKeyDialog, Dialog)
  QIV_ON_COMMAND(IDC_HOT_KEY_KEY, CBN_SELENDOK, OnKeyChosen)
  // A closed list that the arrow keys step through reports the change alone.
  QIV_ON_COMMAND(IDC_HOT_KEY_KEY, CBN_SELCHANGE, OnKeyChosen)
QIV_END_MESSAGE_MAP()

HotKeyDialog::HotKeyDialog(HotKey& hotKey, std::vector<HotKey> rowKeys, int editedRow)
    : Dialog(IDD_HOT_KEY), hotKey_(hotKey), rowKeys_(std::move(rowKeys)), editedRow_(editedRow) {}

bool HotKeyDialog::OnInitDialog() {
  const HWND keys = DlgItem(IDC_HOT_KEY_KEY);
  const std::vector<KeyName>& table = KeyNameTable();
  for (std::size_t index = 0; index < table.size(); ++index) {
    // Unsorted: an item's index is its index in the table.
    ::SendMessageA(keys, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(table[index].name.c_str()));
    if (table[index].code == hotKey_.key && keyIndex_ < 0) keyIndex_ = static_cast<int>(index);
  }
  ctrl_ = (hotKey_.modifiers & HotKey::kCtrl) != 0;
  alt_ = (hotKey_.modifiers & HotKey::kAlt) != 0;
  shift_ = (hotKey_.modifiers & HotKey::kShift) != 0;
  const bool result = Dialog::OnInitDialog();
  CentreOnDesktop(Handle());
  ApplyKeyRule();
  return result;
}

void HotKeyDialog::DoDataExchange(DataExchange& dx) {
  dx.ExchangeComboBoxIndex(IDC_HOT_KEY_KEY, keyIndex_);
  dx.ExchangeCheck(IDC_HOT_KEY_CTRL, ctrl_);
  dx.ExchangeCheck(IDC_HOT_KEY_ALT, alt_);
  dx.ExchangeCheck(IDC_HOT_KEY_SHIFT, shift_);
}

void HotKeyDialog::OnOK() {
  if (!UpdateData(true)) return;
  if (keyIndex_ < 0) {
    ShowMessage(Handle(), IDS_NO_KEY_SELECTED, MB_OK);
    return;
  }
  const HotKey chosen{KeyNameTable()[static_cast<std::size_t>(keyIndex_)].code,
                      (ctrl_ ? HotKey::kCtrl : 0) | (alt_ ? HotKey::kAlt : 0) | (shift_ ? HotKey::kShift : 0)};
  if (IsHotKeyTaken(chosen, rowKeys_, editedRow_)) {
    ShowMessage(Handle(), IDS_KEY_ALREADY_USED, MB_OK);
    return;
  }
  hotKey_ = chosen;
  EndDialog(IDOK);
}

LRESULT HotKeyDialog::OnKeyChosen(WPARAM, LPARAM) {
  ApplyKeyRule();
  return 0;
}

void HotKeyDialog::ApplyKeyRule() {
  if (!UpdateData(true) || keyIndex_ < 0) return;
  const HWND shift = DlgItem(IDC_HOT_KEY_SHIFT);
  if (IsNumpadKey(KeyNameTable()[static_cast<std::size_t>(keyIndex_)].code)) {
    shift_ = false;
    ::CheckDlgButton(Handle(), IDC_HOT_KEY_SHIFT, BST_UNCHECKED);
    ::EnableWindow(shift, FALSE);
  } else {
    ::EnableWindow(shift, TRUE);
  }
}

}  // namespace qiv
