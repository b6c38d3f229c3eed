// The settings sheet.
#include "settings/CSetPS.h"

#include <commctrl.h>

#include "framework/TabControl.h"
#include "resources/resource.h"
#include "settings/ApplyPages.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

constexpr int kTabImageWidth = 24;
constexpr COLORREF kTabImageMask = RGB(0, 0, 128);

}  // namespace

QIV_BEGIN_MESSAGE_MAP(CSetPS, PropertySheet)
  QIV_ON_MESSAGE(WM_SHEET_INIT, OnSheetInit)
  QIV_ON_MESSAGE(WM_SIZE, OnSize)
  // The sheet's own OK and Cancel are hidden, but the dialog manager may still press them for Enter and
  // Escape: they must not end the sheet on their own.
  QIV_ON_COMMAND(IDOK, BN_CLICKED, OnOkCommand)
  QIV_ON_COMMAND(IDCANCEL, BN_CLICKED, OnCancelCommand)
QIV_END_MESSAGE_MAP()

CSetPS::CSetPS(Settings& settings, ScreenModel& model, Dialog& dialog, int startPage, HWND windowToStick)
    : PropertySheet("Settings"),
      settings_(settings),
      model_(model),
      dialog_(dialog),
      startPage_(startPage),
      windowToStick_(windowToStick),
      general_(*this),
      screens_(*this),
      keyboard_(*this),
      sticky_(*this),
      advanced_(*this) {
  AddPage(general_);
  AddPage(screens_);
  AddPage(keyboard_);
  AddPage(sticky_);
  AddPage(advanced_);
}

void CSetPS::ApplyAllPages() {
  const WindowToken alive = dialog_.Token();
  const bool saved = ApplyPages(PageList(), settings_);
  // A refused value showed a message box, whose loop may have seen the dialog go.
  if (saved && alive.Alive()) dialog_.EndDialog(IDOK);
}

void CSetPS::CancelAllPages() {
  RevertPages(PageList());
  dialog_.EndDialog(IDCANCEL);
}

void CSetPS::OnSheetCreated() { Post(WM_SHEET_INIT); }

LRESULT CSetPS::OnSheetInit(WPARAM, LPARAM) {
  if (const HWND tab = TabControl()) {
    if (tabImages_.CreateFromBitmap(IDB_SETTINGS_TABS, kTabImageWidth, 1, kTabImageMask)) {
      const qiv::TabControl tabs(tab);
      tabs.SetImageList(tabImages_.Handle());
      for (int page = 0; page < PageCount(); ++page) tabs.SetItemImage(page, page);
    }
    const RECT client = ClientRect(Handle());
    LayoutSheet(client.right, client.bottom);
  }
  // The Keyboard page works on the Screens page's list of screens, so both exist whatever page comes first.
  SetActivePage(kScreensPage);
  SetActivePage(kGeneralPage);
  SetActivePage(startPage_);
  return 0;
}

LRESULT CSetPS::OnSize(WPARAM, LPARAM size) {
  LayoutSheet(LOWORD(size), HIWORD(size));
  return 0;
}

LRESULT CSetPS::OnOkCommand(WPARAM, LPARAM) {
  ApplyAllPages();
  return 0;
}

LRESULT CSetPS::OnCancelCommand(WPARAM, LPARAM) {
  CancelAllPages();
  return 0;
}

void CSetPS::LayoutSheet(int width, int height) {
  const HWND tab = TabControl();
  if (!tab) return;
  const LONG_PTR style = ::GetWindowLongPtrA(tab, GWL_STYLE);
  ::SetWindowLongPtrA(tab, GWL_STYLE, style & ~static_cast<LONG_PTR>(TCS_MULTILINE));
  ::SetWindowPos(tab, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT display = WindowRectIn(tab, Handle());
  qiv::TabControl(tab).AdjustRect(false, display);
  for (int index = 0; index < PageCount(); ++index) {
    const HWND page = Page(index).Handle();
    if (!page) continue;
    ::SetWindowPos(page, nullptr, display.left, display.top, display.right - display.left, display.bottom - display.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

std::vector<PageActions*> CSetPS::PageList() { return {&general_, &screens_, &keyboard_, &sticky_, &advanced_}; }

}  // namespace qiv
