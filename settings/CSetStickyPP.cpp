// The "Sticky Windows" page of the settings sheet.
#include "settings/CSetStickyPP.h"

#include "engine/StickyRuleList.h"
#include "framework/DataExchange.h"
#include "platform/win32/Win32Desktop.h"
#include "resources/resource.h"
#include "settings/CSetPS.h"
#include "settings/RowRemoval.h"
#include "settings/StickyPropertiesDialog.h"
#include "settings/StickyRuleEntry.h"
#include "shell/Settings.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(CSetStickyPP, CSettingsPage)
  QIV_ON_MESSAGE(WM_SHEET_INIT, OnSheetInit)
  QIV_ON_COMMAND(IDC_ADD_RULE, BN_CLICKED, OnAdd)
  QIV_ON_COMMAND(IDC_EDIT_RULE, BN_CLICKED, OnEdit)
  QIV_ON_COMMAND(IDC_REMOVE_RULE, BN_CLICKED, OnRemove)
  QIV_ON_NOTIFY(IDC_STICKY_LIST, LVN_ITEMCHANGED, OnListItemChanged)
  QIV_ON_NOTIFY(IDC_STICKY_LIST, NM_DBLCLK, OnListDoubleClick)
  QIV_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
  QIV_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
  QIV_ON_MESSAGE(WM_LBUTTONUP, OnLeftButtonUp)
  QIV_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
  QIV_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
QIV_END_MESSAGE_MAP()

CSetStickyPP::CSetStickyPP(CSetPS& sheet) : CSettingsPage(IDD_STICKY_PAGE, sheet, "Set_Sticky.htm") {}

bool CSetStickyPP::OnInitDialog() {
  const Settings& settings = SettingsRecord();
  toolWindowsSticky_ = settings.ToolWndAlwaysSticky != 0;
  list_.Attach(DlgItem(IDC_STICKY_LIST));
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT client = {};
  ::GetClientRect(list_.Handle(), &client);
  list_.InsertColumn(0, "Info", client.right - ::GetSystemMetrics(SM_CXHSCROLL));
  finder_.Attach(Handle(), DlgItem(IDC_WINDOW_FINDER));
  for (const StickyRule& rule : settings.StickyRules) AppendRule(rule);
  // The rest waits until the sheet has shown this page: a window to stick opens the editor over it.
  Post(WM_SHEET_INIT);
  return CSettingsPage::OnInitDialog();
}

void CSetStickyPP::DoDataExchange(DataExchange& dx) { dx.ExchangeCheck(IDC_TOOL_WINDOWS_STICKY, toolWindowsSticky_); }

bool CSetStickyPP::SavePage() {
  if (!UpdateData(true)) return false;
  Settings& settings = SettingsRecord();
  StickyRuleList rules;
  for (const StickyRule& rule : workingRules_) rules.Append(rule);
  settings.StickyRules = rules;
  settings.ToolWndAlwaysSticky = toolWindowsSticky_ ? 1 : 0;
  Sheet().Model().ReleaseStickyWindows(settings.StickyRules);
  return true;
}

LRESULT CSetStickyPP::OnSheetInit(WPARAM, LPARAM) {
  if (const HWND windowToStick = Sheet().WindowToStick()) {
    // The settings window shows itself only once its loop goes idle; the editor must not come up alone.
    ::ShowWindow(::GetAncestor(Handle(), GA_ROOT), SW_SHOW);
    foundWindow_ = windowToStick;
    ReadFoundWindow();
    const WindowToken alive = Token();
    const bool made = MakeRuleFromFoundWindow();
    if (!alive.Alive()) return 0;
    if (!made) {
      Sheet().CancelAllPages();
      return 0;
    }
  }
  UpdateButtons();
  return 0;
}

void CSetStickyPP::ReadFoundWindow() {
  if (foundWindow_ != nullptr) {
    Win32Desktop desktop;
    foundText_ = desktop.Text(ToWindowHandle(foundWindow_));
    foundClass_ = desktop.ClassName(ToWindowHandle(foundWindow_));
  } else {
    foundText_.clear();
    foundClass_.clear();
  }
  ShowInfo(RuleText(foundText_, foundClass_));
}

void CSetStickyPP::ShowInfo(const std::string& text) {
  ::SetDlgItemTextA(Handle(), IDC_FOUND_WINDOW_INFO, text.c_str());
}

bool CSetStickyPP::MakeRuleFromFoundWindow() {
  if (foundWindow_ == nullptr) return false;
  const StickyRule offered = RuleFromWindow(foundText_, foundClass_);
  StickyPropertiesDialog editor(&offered);
  const WindowToken alive = Token();
  const INT_PTR result = editor.DoModal(Handle());
  if (!alive.Alive() || result != IDOK) return false;
  AppendRule(editor.Rule());
  return true;
}

void CSetStickyPP::AppendRule(const StickyRule& rule) {
  workingRules_.push_back(rule);
  list_.InsertItem(list_.ItemCount(), RuleText(rule.text, rule.className), -1, 0);
}

LRESULT CSetStickyPP::OnAdd(WPARAM, LPARAM) {
  StickyPropertiesDialog editor(nullptr);
  const WindowToken alive = Token();
  const INT_PTR result = editor.DoModal(Handle());
  if (alive.Alive() && result == IDOK) AppendRule(editor.Rule());
  return 0;
}

LRESULT CSetStickyPP::OnEdit(WPARAM, LPARAM) {
  EditSelectedRule();
  return 0;
}

LRESULT CSetStickyPP::OnListDoubleClick(WPARAM, LPARAM) {
  EditSelectedRule();
  return 0;
}

void CSetStickyPP::EditSelectedRule() {
  const std::vector<int> selected = list_.SelectedItems();
  if (selected.size() != 1) return;
  const int row = selected.front();
  if (row >= static_cast<int>(workingRules_.size())) return;
  StickyPropertiesDialog editor(&workingRules_[static_cast<std::size_t>(row)]);
  const WindowToken alive = Token();
  const INT_PTR result = editor.DoModal(Handle());
  if (!alive.Alive() || result != IDOK) return;
  StickyRule& rule = workingRules_[static_cast<std::size_t>(row)];
  rule = editor.Rule();
  list_.SetItemText(row, 0, RuleText(rule.text, rule.className));
}

LRESULT CSetStickyPP::OnRemove(WPARAM, LPARAM) {
  for (int index : RemovalIndexes(list_.SelectedItems())) {
    if (index >= static_cast<int>(workingRules_.size())) break;
    workingRules_.erase(workingRules_.begin() + index);
    list_.DeleteItem(index);
  }
  UpdateButtons();
  return 0;
}

LRESULT CSetStickyPP::OnListItemChanged(WPARAM, LPARAM) {
  UpdateButtons();
  return 0;
}

void CSetStickyPP::UpdateButtons() {
  const bool anySelected = !list_.SelectedItems().empty();
  ::EnableWindow(DlgItem(IDC_EDIT_RULE), anySelected ? TRUE : FALSE);
  ::EnableWindow(DlgItem(IDC_REMOVE_RULE), anySelected ? TRUE : FALSE);
}

// --- The window finder -----------------------------------------------------------------------

LRESULT CSetStickyPP::OnLeftButtonDown(WPARAM, LPARAM) {
  if (!finder_.BeginDrag()) return NotHandled();
  foundWindow_ = nullptr;
  foundText_.clear();
  foundClass_.clear();
  return 0;
}

LRESULT CSetStickyPP::OnMouseMove(WPARAM, LPARAM) {
  if (!finder_.IsDragging()) return NotHandled();
  const HWND under = finder_.Track();
  if (under != foundWindow_) {
    foundWindow_ = under;
    ReadFoundWindow();
  }
  return 0;
}

LRESULT CSetStickyPP::OnLeftButtonUp(WPARAM, LPARAM) {
  if (!finder_.IsDragging()) return NotHandled();
  finder_.EndDrag();
  ShowInfo("");
  MakeRuleFromFoundWindow();
  return 0;
}

LRESULT CSetStickyPP::OnSetCursor(WPARAM, LPARAM) {
  if (!finder_.IsDragging()) return NotHandled();
  // Answered, so that the dialog manager does not put the arrow back over the cross-hair.
  return TRUE;
}

// Also when another window takes the mouse away in the middle of a drag: the line stops following it.
LRESULT CSetStickyPP::OnCaptureChanged(WPARAM, LPARAM) {
  ShowInfo("");
  return 0;
}

}  // namespace qiv
