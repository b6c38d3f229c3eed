// The "Screens" page of the settings sheet.
#include "settings/CSetScreenPP.h"

#include <commctrl.h>

#include <vector>

#include "engine/ScreenModel.h"
#include "framework/DataExchange.h"
#include "framework/ShowMessage.h"
#include "resources/resource.h"
#include "settings/BrowseIconDialog.h"
#include "settings/CSetPS.h"
#include "settings/ScreenIconImages.h"
#include "settings/ScreenPageRules.h"
#include "shell/Settings.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

constexpr int kIconSize = 32;

}  // namespace

QIV_BEGIN_MESSAGE_MAP(CSetScreenPP, CSettingsPage)
  QIV_ON_COMMAND(IDOK, BN_CLICKED, OnOkButton)
  QIV_ON_COMMAND(IDC_ADD_SCREEN, BN_CLICKED, OnAdd)
  QIV_ON_COMMAND(IDC_CHANGE_ICON, BN_CLICKED, OnChangeIcon)
  QIV_ON_COMMAND(IDC_RENAME_SCREEN, BN_CLICKED, OnRename)
  QIV_ON_COMMAND(IDC_REMOVE_SCREEN, BN_CLICKED, OnRemove)
  QIV_ON_COMMAND(IDC_MOVE_SCREEN_LEFT, BN_CLICKED, OnMoveLeft)
  QIV_ON_COMMAND(IDC_MOVE_SCREEN_RIGHT, BN_CLICKED, OnMoveRight)
  QIV_ON_COMMAND(IDC_BUTTON_ICON, BN_CLICKED, OnContentClicked)
  QIV_ON_COMMAND(IDC_BUTTON_NUMBER, BN_CLICKED, OnContentClicked)
  QIV_ON_COMMAND(IDC_DOUBLE_WIDTH, BN_CLICKED, OnDoubleWidthClicked)
  QIV_ON_NOTIFY(IDC_SCREEN_LIST, LVN_ITEMCHANGED, OnSelectionChanged)
  QIV_ON_NOTIFY(IDC_SCREEN_LIST, LVN_ENDLABELEDITA, OnEndLabelEdit)
  QIV_ON_NOTIFY(IDC_SCREEN_LIST, NM_DBLCLK, OnDoubleClick)
QIV_END_MESSAGE_MAP()

CSetScreenPP::CSetScreenPP(CSetPS& sheet)
    : CSettingsPage(IDD_SCREENS_PAGE, sheet, "Set_Screen.htm"),
      workingScreens_(sheet.Model().Screens().Icons()),
      moveLeft_(IDB_MOVE_LEFT),
      moveRight_(IDB_MOVE_RIGHT) {}

bool CSetScreenPP::OnInitDialog() {
  moveLeft_.SubclassDlgItem(Handle(), IDC_MOVE_SCREEN_LEFT);
  moveRight_.SubclassDlgItem(Handle(), IDC_MOVE_SCREEN_RIGHT);
  const Settings& settings = SettingsRecord();
  doubleWidth_ = settings.DoubleWidth != 0;
  tooltipName_ = settings.ScreenTooltips != 0;
  tooltipContent_ = settings.TooltipScreenContent != 0;
  buttonIcon_ = settings.ScrBtnIcon != 0;
  buttonNumber_ = settings.ScrBtnNumber != 0;
  list_.Attach(DlgItem(IDC_SCREEN_LIST));
  if (iconImages_.Create(kIconSize, kIconSize, ILC_COLORDDB | ILC_MASK, 0, 1)) {
    list_.SetImageList(iconImages_.Handle(), LVSIL_NORMAL);
  }
  workingScreens_.CopyFrom(Sheet().Model().Screens());
  FillList(0);
  UpdateButtons();
  // A stored look that a single-width button cannot hold is mended as if its check boxes had been clicked.
  const ButtonLook look = AfterDoubleWidthClicked(AfterContentClicked({doubleWidth_, buttonIcon_, buttonNumber_}));
  doubleWidth_ = look.doubleWidth;
  buttonNumber_ = look.number;
  return CSettingsPage::OnInitDialog();
}

void CSetScreenPP::DoDataExchange(DataExchange& dx) {
  dx.ExchangeCheck(IDC_DOUBLE_WIDTH, doubleWidth_);
  dx.ExchangeCheck(IDC_TOOLTIP_NAME, tooltipName_);
  dx.ExchangeCheck(IDC_TOOLTIP_CONTENT, tooltipContent_);
  dx.ExchangeCheck(IDC_BUTTON_ICON, buttonIcon_);
  dx.ExchangeCheck(IDC_BUTTON_NUMBER, buttonNumber_);
}

bool CSetScreenPP::SavePage() {
  if (!UpdateData(true)) return false;
  // OK on another page or Enter come here without the OK button's check.
  if (RefuseEmptyList()) return false;
  Settings& settings = SettingsRecord();
  settings.DoubleWidth = doubleWidth_ ? 1 : 0;
  settings.ScreenTooltips = tooltipName_ ? 1 : 0;
  settings.TooltipScreenContent = tooltipContent_ ? 1 : 0;
  settings.ScrBtnIcon = buttonIcon_ ? 1 : 0;
  settings.ScrBtnNumber = buttonNumber_ ? 1 : 0;
  // The panel lays itself out for the new list with the looks above.
  Sheet().Model().ApplyScreenList(workingScreens_);
  return true;
}

LRESULT CSetScreenPP::OnOkButton(WPARAM, LPARAM) {
  // Checked before any page saves: refused here, no page has taken over anything yet.
  if (!RefuseEmptyList()) Sheet().ApplyAllPages();
  return 0;
}

bool CSetScreenPP::RefuseEmptyList() {
  if (workingScreens_.Count() > 0) return false;
  RevealForCorrection();
  ShowMessage(Handle(), IDS_NO_SCREENS, MB_OK);
  return true;
}

LRESULT CSetScreenPP::OnAdd(WPARAM, LPARAM) {
  const int count = workingScreens_.Count();
  const RECT area = WorkArea();
  // The stored setting, not the check box: the panel has the stored width until OK.
  const bool doubleWidth = SettingsRecord().DoubleWidth != 0;
  if (!ScreenAddFits(count, area.right - area.left, ::GetSystemMetrics(SM_CYCAPTION), doubleWidth)) {
    ShowMessage(Handle(), IDS_TOO_MANY_SCREENS, MB_OK);
    return 0;
  }
  workingScreens_.Add(NewScreenName(count), std::string(), kNewScreenIconIndex, HotKey{}, count);
  FillList(count);
  return 0;
}

LRESULT CSetScreenPP::OnChangeIcon(WPARAM, LPARAM) {
  const int selection = Selection();
  if (selection < 0) return 0;
  BrowseIconDialog browser;
  const WindowToken alive = Token();
  const INT_PTR result = browser.DoModal(Handle());
  if (!alive.Alive() || result != IDOK) return 0;
  workingScreens_.SetIcon(selection, browser.FileName(), browser.ChosenIconIndex());
  FillList(selection);
  return 0;
}

LRESULT CSetScreenPP::OnRename(WPARAM, LPARAM) {
  const int selection = Selection();
  if (selection < 0) return 0;
  ::SetFocus(list_.Handle());
  list_.EditLabel(selection);
  return 0;
}

LRESULT CSetScreenPP::OnEndLabelEdit(WPARAM, LPARAM lParam) {
  const auto* edit = reinterpret_cast<const NMLVDISPINFOA*>(lParam);
  // No text: the edit was cancelled. An empty text is a name like any other.
  if (edit->item.pszText == nullptr) return FALSE;
  workingScreens_.Rename(edit->item.iItem, edit->item.pszText);
  // TRUE lets the control show the new text itself: filling the list anew while it ends its edit would pull the
  // item from under it.
  return TRUE;
}

LRESULT CSetScreenPP::OnRemove(WPARAM, LPARAM) {
  const int selection = Selection();
  if (selection < 0) return 0;
  workingScreens_.Remove(selection);
  FillList(SelectionAfterRemove(selection, workingScreens_.Count()));
  UpdateButtons();
  return 0;
}

LRESULT CSetScreenPP::OnMoveLeft(WPARAM, LPARAM) {
  const int selection = Selection();
  if (selection < 1 || !workingScreens_.MoveUp(selection)) return 0;
  FillList(selection - 1);
  return 0;
}

LRESULT CSetScreenPP::OnMoveRight(WPARAM, LPARAM) {
  const int selection = Selection();
  if (selection < 0 || !workingScreens_.MoveDown(selection)) return 0;
  FillList(selection + 1);
  return 0;
}

LRESULT CSetScreenPP::OnContentClicked(WPARAM, LPARAM) {
  if (!UpdateData(true)) return 0;
  doubleWidth_ = AfterContentClicked({doubleWidth_, buttonIcon_, buttonNumber_}).doubleWidth;
  UpdateData(false);
  return 0;
}

LRESULT CSetScreenPP::OnDoubleWidthClicked(WPARAM, LPARAM) {
  if (!UpdateData(true)) return 0;
  buttonNumber_ = AfterDoubleWidthClicked({doubleWidth_, buttonIcon_, buttonNumber_}).number;
  UpdateData(false);
  return 0;
}

LRESULT CSetScreenPP::OnSelectionChanged(WPARAM, LPARAM) {
  UpdateButtons();
  return 0;
}

LRESULT CSetScreenPP::OnDoubleClick(WPARAM wParam, LPARAM lParam) { return OnChangeIcon(wParam, lParam); }

void CSetScreenPP::FillList(int selection) {
  list_.DeleteAllItems();
  iconImages_.SetCount(0);
  for (int position = 0; position < workingScreens_.Count(); ++position) {
    const int image = iconImages_.AddIcon(ScreenIconOrDefault(workingScreens_.Icon(position)));
    list_.InsertItem(position, workingScreens_.Name(position), image, position);
  }
  list_.Select(selection);
  if (selection >= 0) list_.EnsureVisible(selection);
}

int CSetScreenPP::Selection() const {
  const std::vector<int> selected = list_.SelectedItems();
  return selected.empty() ? -1 : selected.front();
}

void CSetScreenPP::UpdateButtons() {
  const ScreenButtonStates states = ScreenButtonStatesFor(Selection(), list_.ItemCount());
  ::EnableWindow(DlgItem(IDC_REMOVE_SCREEN), states.remove);
  ::EnableWindow(DlgItem(IDC_RENAME_SCREEN), states.rename);
  ::EnableWindow(DlgItem(IDC_CHANGE_ICON), states.changeIcon);
  ::EnableWindow(DlgItem(IDC_MOVE_SCREEN_LEFT), states.moveLeft);
  ::EnableWindow(DlgItem(IDC_MOVE_SCREEN_RIGHT), states.moveRight);
}

}  // namespace qiv
