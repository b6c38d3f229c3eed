// The "Keyboard" page of the settings sheet.
#include "settings/CSetKeyboardPP.h"

#include <commctrl.h>

#include "engine/ScreenList.h"
#include "framework/Program.h"
#include "resources/resource.h"
#include "settings/CSetPS.h"
#include "settings/HotKeyDialog.h"
#include "settings/HotKeyNames.h"
#include "settings/ScreenIconImages.h"
#include "shell/Settings.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

constexpr int kSmallImageSize = 18;
// Heading rows stand out by their indent, not by a picture.
constexpr char kScreensHeading[] = "         Switch to screen";
constexpr char kOtherCommandsHeading[] = "         Other commands";

}  // namespace

QIV_BEGIN_MESSAGE_MAP(CSetKeyboardPP, CSettingsPage)
  QIV_ON_COMMAND(IDC_CHANGE_HOT_KEY, BN_CLICKED, OnChange)
  QIV_ON_NOTIFY(IDC_HOT_KEY_LIST, NM_DBLCLK, OnChange)
  QIV_ON_NOTIFY(IDC_HOT_KEY_LIST, LVN_ITEMCHANGED, OnSelectionChanged)
QIV_END_MESSAGE_MAP()

CSetKeyboardPP::CSetKeyboardPP(CSetPS& sheet) : CSettingsPage(IDD_KEYBOARD_PAGE, sheet, "Set_Keyboard.htm") {}

bool CSetKeyboardPP::OnInitDialog() {
  list_.Attach(DlgItem(IDC_HOT_KEY_LIST));
  const int columnWidth = (ClientRect(list_.Handle()).right - ::GetSystemMetrics(SM_CYCAPTION)) / 2;
  list_.InsertColumn(0, "Function", columnWidth);
  list_.InsertColumn(1, "Keys", columnWidth);
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const Settings& settings = SettingsRecord();
  prevScreenKey_ = settings.HK_PrevScreen;
  nextScreenKey_ = settings.HK_NextScreen;
  return CSettingsPage::OnInitDialog();
}

bool CSetKeyboardPP::OnSetActive() {
  RebuildList();
  UpdateChangeButton();
  return CSettingsPage::OnSetActive();
}

bool CSetKeyboardPP::SavePage() {
  Settings& settings = SettingsRecord();
  settings.HK_PrevScreen = prevScreenKey_;
  settings.HK_NextScreen = nextScreenKey_;
  return true;
}

LRESULT CSetKeyboardPP::OnChange(WPARAM, LPARAM) {
  const int selected = SelectedFunctionRow();
  if (selected < 0) return 0;
  std::vector<HotKey> rowKeys;
  int editedRow = -1;
  for (int index = 0; index < static_cast<int>(rows_.size()); ++index) {
    const Row& row = rows_[static_cast<std::size_t>(index)];
    if (row.function == Row::Function::kHeading) continue;
    if (index == selected) editedRow = static_cast<int>(rowKeys.size());
    rowKeys.push_back(KeyOf(row));
  }
  HotKey hotKey = KeyOf(rows_[static_cast<std::size_t>(selected)]);
  HotKeyDialog dialog(hotKey, rowKeys, editedRow);
  const WindowToken alive = Token();
  const INT_PTR result = dialog.DoModal(Handle());
  if (!alive.Alive() || result != IDOK) return 0;
  SetKeyOf(rows_[static_cast<std::size_t>(selected)], hotKey);
  list_.SetItemText(selected, 1, HotKeyText(hotKey));
  return 0;
}

LRESULT CSetKeyboardPP::OnSelectionChanged(WPARAM, LPARAM) {
  UpdateChangeButton();
  return 0;
}

void CSetKeyboardPP::RebuildList() {
  list_.DeleteAllItems();
  rows_.clear();
  smallIcons_.Create(kSmallImageSize, kSmallImageSize, ILC_COLORDDB | ILC_MASK, 0, 1);
  list_.SetImageList(smallIcons_.Handle(), LVSIL_SMALL);
  const auto background = static_cast<COLORREF>(list_.Send(LVM_GETBKCOLOR));
  const ScreenList& screens = Sheet().ScreensPage().WorkingScreens();
  AppendRow({}, kScreensHeading, nullptr, background);
  for (int screen = 0; screen < screens.Count(); ++screen) {
    AppendRow({Row::Function::kScreen, screen}, screens.Name(screen), ScreenIconOrDefault(screens.Icon(screen)),
              background);
  }
  AppendRow({}, kOtherCommandsHeading, nullptr, background);
  // Shared icons of the module: never destroyed.
  AppendRow({Row::Function::kPreviousScreen}, "Previous screen",
            ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_PREVIOUS_SCREEN)), background);
  AppendRow({Row::Function::kNextScreen}, "Next screen",
            ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_NEXT_SCREEN)), background);
}

void CSetKeyboardPP::AppendRow(const Row& row, const std::string& text, HICON icon, COLORREF background) {
  int image = I_IMAGENONE;
  if (icon != nullptr) {
    const UniqueBitmap picture = MakeSmallIconImage(icon, background);
    if (picture) image = smallIcons_.AddMasked(picture.Get(), background);
  }
  const int index = list_.InsertItem(static_cast<int>(rows_.size()), text, image, 0);
  rows_.push_back(row);
  if (row.function != Row::Function::kHeading) list_.SetItemText(index, 1, HotKeyText(KeyOf(row)));
}

void CSetKeyboardPP::UpdateChangeButton() { ::EnableWindow(DlgItem(IDC_CHANGE_HOT_KEY), SelectedFunctionRow() >= 0); }

int CSetKeyboardPP::SelectedFunctionRow() const {
  const std::vector<int> selected = list_.SelectedItems();
  if (selected.empty() || selected.front() >= static_cast<int>(rows_.size())) return -1;
  const int index = selected.front();
  return rows_[static_cast<std::size_t>(index)].function == Row::Function::kHeading ? -1 : index;
}

HotKey CSetKeyboardPP::KeyOf(const Row& row) const {
  switch (row.function) {
    case Row::Function::kScreen: return Sheet().ScreensPage().WorkingScreens().HotKeyOf(row.screen);
    case Row::Function::kPreviousScreen: return prevScreenKey_;
    case Row::Function::kNextScreen: return nextScreenKey_;
    case Row::Function::kHeading: break;
  }
  return HotKey{};
}

void CSetKeyboardPP::SetKeyOf(const Row& row, const HotKey& hotKey) {
  switch (row.function) {
    case Row::Function::kScreen: Sheet().ScreensPage().WorkingScreens().SetHotKey(row.screen, hotKey); break;
    case Row::Function::kPreviousScreen: prevScreenKey_ = hotKey; break;
    case Row::Function::kNextScreen: nextScreenKey_ = hotKey; break;
    case Row::Function::kHeading: break;
  }
}

}  // namespace qiv
