// The panel: the program's main window, run as a modal dialog for as long as the program runs.
#include "panel/PanelWindow.h"

#include "app/ShellServices.h"
#include "framework/GdiObjects.h"
#include "framework/Menu.h"
#include "framework/Program.h"
#include "framework/ShowMessage.h"
#include "hooklib/Qivhook.h"
#include "resources/resource.h"

#include <vector>

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

// Commands whose windows are not part of the program yet.
constexpr UINT kCommandsNotYetAvailable[] = {IDM_SETTINGS, IDM_LOCK, IDM_ABOUT};

}  // namespace

QIV_BEGIN_MESSAGE_MAP(PanelWindow, Dialog)
  QIV_ON_MESSAGE(WM_RBUTTONDOWN, OnRightButtonDown)
  QIV_ON_MESSAGE(WM_DESTROY, OnDestroy)
  QIV_ON_COMMAND(IDC_MAIN_MENU, BN_CLICKED, OnMainMenu)
  QIV_ON_COMMAND(IDC_MAIN_MENU, 1, OnMainMenu)
  QIV_ON_COMMAND(IDM_HELP, 0, OnHelpCommand)
  QIV_ON_COMMAND(IDM_CLOSE, 0, OnCloseCommand)
QIV_END_MESSAGE_MAP()

PanelWindow::PanelWindow(Settings& settings, Registry& registry, IconSource& icons)
    : Dialog(IDD_PANEL), settings_(settings), registry_(registry), icons_(icons), screenList_(icons) {}

bool PanelWindow::OnInitDialog() {
  Dialog::OnInitDialog();
  const LONG exStyle = ::GetWindowLongA(Handle(), GWL_EXSTYLE);
  // A tool window without the app-window style has no taskbar button.
  ::SetWindowLongA(Handle(), GWL_EXSTYLE, (exStyle | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW);
  panelIcon_ = ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_QIV));
  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(panelIcon_));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(panelIcon_));

  holder_.Start();
  QivhookInit(Handle(), ::GetCurrentProcessId());

  ScreenList stored(icons_);
  stored.Load(registry_);
  ApplyScreenList(stored);

  const Settings::Rect& position = settings_.MainWndPos;
  ::SetWindowPos(Handle(), settings_.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, position.left, position.top,
                 position.right - position.left, position.bottom - position.top, SWP_NOACTIVATE);
  return true;
}

void PanelWindow::ApplyScreenList(const ScreenList& newList) {
  screenList_.CopyFrom(newList);
  screenList_.Save(registry_, settings_.SettingsSaveBlocked());
  HWND buttons = DlgItem(IDC_SCREEN_BUTTONS);
  ::SendMessageA(buttons, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < screenList_.Count(); ++i) {
    ::SendMessageA(buttons, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(screenList_.Name(i).c_str()));
  }
  ::SendMessageA(buttons, LB_SETCURSEL, 0, 0);
}

void PanelWindow::OnOK() {}

void PanelWindow::OnCancel() {}

LRESULT PanelWindow::OnRightButtonDown(WPARAM, LPARAM) {
  Post(WM_COMMAND, MAKEWPARAM(IDC_MAIN_MENU, 1), 0);
  return 0;
}

LRESULT PanelWindow::OnMainMenu(WPARAM, LPARAM) {
  Menu menus = Menu::Load(IDR_POPUP_MENUS);
  Menu mainMenu = menus.SubMenu(0);
  if (!mainMenu) return 0;
  // The bitmaps must outlive the menu's display; they go when this handler returns.
  std::vector<UniqueBitmap> bitmaps;
  for (const MainMenuItem& item : kMainMenuItems) {
    bitmaps.push_back(LoadBitmapResource(item.bitmap));
    mainMenu.SetItemBitmaps(item.command, bitmaps.back().Get());
  }
  for (UINT command : kCommandsNotYetAvailable) {
    ::EnableMenuItem(mainMenu.Handle(), command, MF_BYCOMMAND | MF_GRAYED);
  }
  RECT panel;
  ::GetWindowRect(Handle(), &panel);
  mainMenu.TrackPopup(TPM_RIGHTBUTTON, panel.left, panel.top + ::GetSystemMetrics(SM_CYCAPTION), Handle());
  return 0;
}

LRESULT PanelWindow::OnHelpCommand(WPARAM, LPARAM) {
  OpenHelpFile("Main.htm");
  return 0;
}

LRESULT PanelWindow::OnCloseCommand(WPARAM, LPARAM) {
  QivhookLock(TRUE);
  if (ShowMessage(Handle(), IDS_CONFIRM_CLOSE, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    QivhookLock(FALSE);
    return 0;
  }
  // The lock stays raised until the hooks are removed: nothing is reported any more.
  EndDialog(0);
  return 0;
}

LRESULT PanelWindow::OnDestroy(WPARAM, LPARAM) {
  QivhookCleanup();
  holder_.Stop();
  return NotHandled();
}

}  // namespace qiv
