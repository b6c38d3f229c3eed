// The icon browser.
#include "settings/BrowseIconDialog.h"

#include <shellapi.h>

#include <optional>
#include <utility>
#include <vector>

#include "controls/CentreOnDesktop.h"
#include "framework/FileOpenDialog.h"
#include "framework/Program.h"
#include "framework/ShowMessage.h"
#include "resources/resource.h"

namespace qiv {
namespace {

constexpr int kIconSize = 32;

// Icon number index of file, owned by the caller; empty when there is none. ExtractIcon answers 1 for a file that
// is no executable, library or icon file.
UniqueIcon ExtractIcon(const std::string& file, int index) {
  HICON icon = ::ExtractIconA(ProgramInstance(), file.c_str(), static_cast<UINT>(index));
  if (icon == reinterpret_cast<HICON>(1)) return UniqueIcon();
  return UniqueIcon(icon);
}

int IconCount(const std::string& file) {
  // Index -1 asks for the number of icons, answered in place of a handle.
  const auto count = reinterpret_cast<UINT_PTR>(::ExtractIconA(ProgramInstance(), file.c_str(), static_cast<UINT>(-1)));
  return static_cast<int>(count);
}

}  // namespace

QIV_BEGIN_MESSAGE_MAP(BrowseIconDialog, Dialog)
  QIV_ON_COMMAND(IDC_BROWSE_ICON_FILE, BN_CLICKED, OnBrowse)
  QIV_ON_NOTIFY(IDC_ICON_LIST, NM_DBLCLK, OnIconDoubleClick)
QIV_END_MESSAGE_MAP()

BrowseIconDialog::BrowseIconDialog() : Dialog(IDD_BROWSE_ICON), browse_(IDB_BROWSE) {}

bool BrowseIconDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  CentreOnDesktop(Handle());
  browse_.SubclassDlgItem(Handle(), IDC_BROWSE_ICON_FILE);
  list_.Attach(DlgItem(IDC_ICON_LIST));
  if (images_.Create(kIconSize, kIconSize, ILC_COLORDDB | ILC_MASK, 0, 1)) {
    list_.SetImageList(images_.Handle(), LVSIL_NORMAL);
  }
  char ownFile[MAX_PATH + 1] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, ownFile, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    LoadIcons(ownFile);
  } else {
    const WindowToken alive = Token();
    Browse();
    if (alive.Alive() && fileName_.empty()) EndDialog(IDCANCEL);
  }
  // The icons, not the file name, are what the keys should choose among.
  ::SetFocus(list_.Handle());
  return false;
}

void BrowseIconDialog::OnOK() {
  const std::vector<int> selected = list_.SelectedItems();
  if (selected.empty()) return;
  chosenIconIndex_ = static_cast<int>(list_.ItemData(selected.front()));
  if (ExtractIcon(fileName_, chosenIconIndex_)) {
    EndDialog(IDOK);
    return;
  }
  ShowMessage(Handle(), IDS_CANT_EXTRACT_ICON, MB_OK);
}

LRESULT BrowseIconDialog::OnBrowse(WPARAM, LPARAM) {
  Browse();
  return 0;
}

LRESULT BrowseIconDialog::OnIconDoubleClick(WPARAM, LPARAM) {
  OnOK();
  return 0;
}

void BrowseIconDialog::Browse() {
  FileOpenRequest request;
  request.filters = {{"Icon containing files (*.exe,*.dll,*.ocx,*.ico)", "*.exe;*.dll;*.ocx;*.ico"},
                     {"All Files", "*.*"}};
  request.defaultExtension = "ico";
  const WindowToken alive = Token();
  const std::optional<std::string> chosen = ChooseFileToOpen(Handle(), request);
  if (!alive.Alive() || !chosen) return;
  LoadIcons(*chosen);
}

void BrowseIconDialog::LoadIcons(const std::string& file) {
  // A malformed file may claim more icons than it holds, tens of thousands of them: the list ends at the first
  // that cannot be taken out.
  std::vector<std::pair<int, UniqueIcon>> icons;
  const int count = IconCount(file);
  for (int index = 0; index < count; ++index) {
    UniqueIcon icon = ExtractIcon(file, index);
    if (!icon) break;
    icons.emplace_back(index, std::move(icon));
  }
  if (icons.empty()) {
    ::SetDlgItemTextA(Handle(), IDC_ICON_FILE_NAME, fileName_.c_str());
    ShowMessage(Handle(), IDS_NO_ICONS_IN_FILE, MB_OK);
    return;
  }
  fileName_ = file;
  ::SetDlgItemTextA(Handle(), IDC_ICON_FILE_NAME, fileName_.c_str());
  list_.DeleteAllItems();
  images_.SetCount(0);
  for (const auto& [index, icon] : icons) {
    list_.InsertItem(list_.ItemCount(), std::to_string(index + 1), images_.AddIcon(icon.Get()), index);
  }
  // The image list keeps copies: the extracted icons go when this returns.
  list_.Select(0);
  if (icons.size() == 1) OnOK();
}

}  // namespace qiv
