// The panel's commands.
#include "panel/PanelCommands.h"

#include <vector>

#include "controls/AboutDialog.h"
#include "framework/GdiObjects.h"
#include "framework/Menu.h"
#include "framework/ShowMessage.h"
#include "panel/LockDialog.h"
#include "panel/PanelCell.h"
#include "resources/resource.h"
#include "settings/SettingsDialog.h"
#include "shell/ShellServices.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

struct MainMenuItem {
  UINT command;
  UINT bitmap;
};

constexpr MainMenuItem kMainMenuItems[] = {
    {IDM_SETTINGS, IDB_MENU_SETTINGS}, {IDM_LOCK, IDB_MENU_LOCK},   {IDM_HELP, IDB_MENU_HELP},
    {IDM_ABOUT, IDB_MENU_ABOUT},       {IDM_CLOSE, IDB_MENU_CLOSE},
};

}  // namespace

PanelCommands::PanelCommands(PanelCommandHost& host, Settings& settings, ScreenModel& model, HookLock& hookLock)
    : host_(host), settings_(settings), model_(model), hookLock_(hookLock) {}

bool PanelCommands::PassLockGate(UINT id, UINT code) {
  // Enter and Escape do nothing on the panel, so they ask for no password either. Nor do the focus notices
  // of the screen buttons, which are no commands: locking disables the buttons, and the notice of the focus
  // they lose would at once ask for the password just given.
  const bool focusNotice = id == IDC_SCREEN_BUTTONS && (code == LBN_SETFOCUS || code == LBN_KILLFOCUS);
  if (!lock_.IsLocked() || id == IDOK || id == IDCANCEL || focusNotice) return true;
  LockOrUnlock();
  // Unlocked: the command that asked for the password runs right away.
  return !lock_.IsLocked();
}

void PanelCommands::ShowMainMenu() {
  host_.HideAppList();
  Menu menus = Menu::Load(IDR_POPUP_MENUS);
  Menu mainMenu = menus.SubMenu(0);
  if (!mainMenu) return;
  // The bitmaps must outlive the menu's display; they go when this returns.
  std::vector<UniqueBitmap> bitmaps;
  for (const MainMenuItem& item : kMainMenuItems) {
    bitmaps.push_back(LoadBitmapResource(item.bitmap));
    mainMenu.SetItemBitmaps(item.command, bitmaps.back().Get());
  }
  const HWND panel = host_.PanelWindowHandle();
  const RECT rect = WindowRect(panel);
  const WindowToken alive = host_.PanelToken();
  host_.SetMenuOpen(true);
  mainMenu.TrackPopup(TPM_RIGHTBUTTON, rect.left, rect.top + PanelCell(), panel);
  if (!alive.Alive()) return;
  host_.SetMenuOpen(false);
  host_.RedrawScreenButtons();
}

void PanelCommands::ShowSettings() {
  host_.HideAppList();
  RunSettings(kGeneralPage, nullptr);
}

void PanelCommands::StickWindow(HWND window) { RunSettings(kStickyPage, window); }

void PanelCommands::RunSettings(int startPage, HWND windowToStick) {
  const WindowToken alive = host_.PanelToken();
  host_.SetMenuOpen(true);
  SettingsDialog dialog(settings_, model_, startPage, windowToStick);
  const INT_PTR result = dialog.DoModal(host_.PanelWindowHandle());
  if (!alive.Alive()) return;
  host_.SetMenuOpen(false);
  if (result != IDOK) return;
  host_.ApplyLayout();
  host_.RedrawScreenButtons();
}

void PanelCommands::LockOrUnlock() {
  host_.HideAppList();
  const WindowToken alive = host_.PanelToken();
  const LockOutcome outcome = LockDialog::RunLockCommand(host_.PanelWindowHandle(), lock_);
  if (!alive.Alive()) return;
  if (outcome == LockOutcome::Locked || outcome == LockOutcome::Unlocked) {
    host_.EnableScreenButtons(!lock_.IsLocked());
    host_.InterceptHotKeys(true);
  }
}

void PanelCommands::ShowHelp() { OpenHelpFile("Main.htm"); }

void PanelCommands::ShowAbout() {
  AboutDialog about;
  about.DoModal(host_.PanelWindowHandle());
}

void PanelCommands::Close() {
  hookLock_.Raise();
  // A hot key would switch behind the question, and once it is answered no key should switch any more.
  host_.InterceptHotKeys(false);
  const WindowToken alive = host_.PanelToken();
  const int answer = ShowMessage(host_.PanelWindowHandle(), IDS_CONFIRM_CLOSE, MB_YESNO | MB_ICONQUESTION);
  // Nothing is left to close once the panel is gone, nor any object to close it with.
  if (!alive.Alive()) return;
  if (answer != IDYES) {
    host_.InterceptHotKeys(true);
    hookLock_.Lower();
    return;
  }
  model_.BringBackAllWindows();
  // The lock stays raised until the hooks are removed: nothing is reported any more.
  host_.EndPanel();
}

}  // namespace qiv
