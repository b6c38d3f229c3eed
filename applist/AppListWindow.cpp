// The application list window.
#include "applist/AppListWindow.h"

#include <algorithm>
#include <map>
#include <string>

#include "applist/AppListGeometry.h"
#include "applist/AppListMessages.h"
#include "applist/ScreenTargets.h"
#include "applist/TitleComparison.h"
#include "framework/GdiObjects.h"
#include "framework/Menu.h"
#include "framework/Program.h"
#include "framework/SelectGuard.h"
#include "framework/ShowMessage.h"
#include "platform/HookLockScope.h"
#include "resources/resource.h"
#include "shell/ShellServices.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

constexpr UINT_PTR kTitleTimer = 1;
constexpr UINT_PTR kDragTimer = 2;
constexpr UINT kDragPeriodMs = 100;
// A title refresh faster than this would only burn processor time.
constexpr int kFastestTitleRefreshMs = 10;
// Room around the rows, so that the last one is never cut by the frame.
constexpr int kFrameMargin = 10;
constexpr char kEmptyScreenText[] = "The screen is empty";

struct MenuItemPicture {
  UINT command;
  UINT bitmap;
};

constexpr MenuItemPicture kMenuPictures[] = {
    {IDM_SELECT_ALL, IDB_MENU_SELECT_ALL},
    {IDM_RESTORE, IDB_MENU_RESTORE},
    {IDM_MINIMIZE, IDB_MENU_MINIMIZE},
    {IDM_MAXIMIZE, IDB_MENU_MAXIMIZE},
    {IDM_MINIMIZE_ALL, IDB_MENU_MINIMIZE_ALL},
    {IDM_KEEP_ON_TOP, IDB_MENU_KEEP_ON_TOP},
    {IDM_NOT_ON_TOP, IDB_MENU_NOT_ON_TOP},
    {IDM_STICK, IDB_MENU_STICK},
    {IDM_COPY_TO_ALL_SCREENS, IDB_MENU_COPY_TO_ALL_SCREENS},
    {IDM_KEEP_ONLY_IN_THIS_SCREEN, IDB_MENU_KEEP_ONLY_IN_THIS_SCREEN},
    {IDM_CLOSE_WINDOWS, IDB_MENU_CLOSE},
};

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

bool IsLeadByte(unsigned char c) { return ::IsDBCSLeadByte(c) != FALSE; }

}  // namespace

QIV_BEGIN_MESSAGE_MAP(AppListWindow, Dialog)
  QIV_ON_MESSAGE(WM_ACTIVATE, OnActivate)
  QIV_ON_MESSAGE(WM_SIZE, OnSize)
  QIV_ON_MESSAGE(WM_TIMER, OnTimer)
  QIV_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
  QIV_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
  QIV_ON_MESSAGE(WM_LBUTTONUP, OnLeftButtonUp)
  QIV_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
  QIV_ON_NOTIFY(IDC_APP_LIST, LVN_KEYDOWN, OnListKeyDown)
  QIV_ON_NOTIFY(IDC_APP_LIST_STANDBY, LVN_KEYDOWN, OnListKeyDown)
  QIV_ON_NOTIFY(IDC_APP_LIST, NM_RCLICK, OnListRightClick)
  QIV_ON_NOTIFY(IDC_APP_LIST, NM_DBLCLK, OnListDoubleClick)
  QIV_ON_NOTIFY(IDC_APP_LIST, LVN_BEGINDRAG, OnListBeginDrag)
  QIV_ON_COMMAND(IDM_SELECT_ALL, 0, OnSelectAll)
  QIV_ON_COMMAND(IDM_RESTORE, 0, OnRestore)
  QIV_ON_COMMAND(IDM_MINIMIZE, 0, OnMinimize)
  QIV_ON_COMMAND(IDM_MAXIMIZE, 0, OnMaximize)
  QIV_ON_COMMAND(IDM_MINIMIZE_ALL, 0, OnMinimizeAll)
  QIV_ON_COMMAND(IDM_KEEP_ON_TOP, 0, OnKeepOnTop)
  QIV_ON_COMMAND(IDM_NOT_ON_TOP, 0, OnNotOnTop)
  QIV_ON_COMMAND(IDM_STICK, 0, OnStick)
  QIV_ON_COMMAND(IDM_COPY_TO_ALL_SCREENS, 0, OnCopyToAllScreens)
  QIV_ON_COMMAND(IDM_KEEP_ONLY_IN_THIS_SCREEN, 0, OnKeepOnlyInThisScreen)
  QIV_ON_COMMAND(IDM_CLOSE_WINDOWS, 0, OnCloseWindows)
QIV_END_MESSAGE_MAP()

AppListWindow::AppListWindow(AppListHost& host, ScreenModel& model, WindowOperations& operations, SwitchEngine& engine,
                             Desktop& desktop, HookLock& hookLock, const Settings& settings)
    : Dialog(IDD_APP_LIST),
      host_(host),
      model_(model),
      desktop_(desktop),
      hookLock_(hookLock),
      settings_(settings),
      commands_(operations, engine, desktop, hookLock),
      availability_(operations, engine, desktop, model) {}

bool AppListWindow::Create() { return Dialog::Create(nullptr); }

bool AppListWindow::OnInitDialog() {
  Dialog::OnInitDialog();
  MakeToolWindow(Handle());
  list_.Attach(DlgItem(IDC_APP_LIST));
  standby_.Attach(DlgItem(IDC_APP_LIST_STANDBY));
  list_.SetBackgroundColour(::GetSysColor(COLOR_MENU));
  list_.SetTextBackgroundColour(::GetSysColor(COLOR_MENU));
  // 32-pixel icons make 32-pixel rows.
  if (images_.Create(32, 32, ILC_COLORDDB | ILC_MASK, 0, 4)) list_.SetImageList(images_.Handle(), LVSIL_SMALL);
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT client = {};
  ::GetClientRect(list_.Handle(), &client);
  maxColumnWidth_ = client.right;
  list_.InsertColumn(0, "app", client.right - ::GetSystemMetrics(SM_CXHSCROLL));
  ::SetWindowPos(standby_.Handle(), nullptr, -1000, -1000, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

// --- Showing and hiding ---------------------------------------------------------------------

void AppListWindow::ShowForScreen(ScreenWindows& screen) {
  listedScreen_ = screen.Index();
  FillList(screen);
  ::SetTimer(Handle(), kTitleTimer, static_cast<UINT>(std::max(settings_.AppTitleRefreshRate, kFastestTitleRefreshMs)),
             nullptr);
  PlaceBesideButton(listedScreen_);
  // Showing activates the list within the program; a right click has made the program the foreground one.
  ::SetForegroundWindow(Handle());
  host_.SetListedScreen(listedScreen_);
}

void AppListWindow::HideAppList() {
  if (!IsShown()) return;
  ::KillTimer(Handle(), kTitleTimer);
  if (::GetCapture() == Handle()) ::ReleaseCapture();
  // A hidden list that stayed active would keep the keyboard: what the user types next would go nowhere, and
  // an arrow key would open a list again. Hidden the system's way, the list hands the activation on.
  if (::GetActiveWindow() == Handle()) {
    ::ShowWindow(Handle(), SW_HIDE);
  } else {
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  host_.SetListedScreen(-1);
}

void AppListWindow::FillList(const ScreenWindows& screen) {
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  list_.DeleteAllItems();
  images_.SetCount(1);
  // Windows of one program mostly share their icon, and adding one copies its bits out of that program: each
  // icon goes into the image list once.
  std::map<HICON, int> imageOfIcon;
  int count = 0;
  for (WindowHandle window : screen.Windows()) {
    if (!desktop_.Exists(window)) continue;
    const std::string title = desktop_.Text(window);
    if (title.empty()) continue;
    // Bounded: a window that does not answer costs at most 100 ms and gets the default icon.
    const HICON icon = GetWindowIcon(ToHwnd(window));
    const auto known = imageOfIcon.find(icon);
    const int image = known != imageOfIcon.end() ? known->second : (imageOfIcon[icon] = images_.AddIcon(icon));
    if (list_.InsertItem(count, title, image, reinterpret_cast<LPARAM>(window)) >= 0) ++count;
  }
  if (count > 0) {
    ::EnableWindow(list_.Handle(), TRUE);
    ::SetFocus(list_.Handle());
  } else {
    ::EnableWindow(list_.Handle(), FALSE);
    // The disabled list takes no keys: the stand-by list keeps the arrow keys working.
    ::SetFocus(standby_.Handle());
    const int image = images_.AddIcon(::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_EMPTY_SCREEN)));
    list_.InsertItem(0, kEmptyScreenText, image, 0);
  }
  SizeToItems();
}

void AppListWindow::SizeToItems() {
  const int count = list_.ItemCount();
  std::vector<int> widths;
  {
    UniqueWindowDc dc = GetWindowDc(list_.Handle());
    if (!dc) return;
    // Measured in the list's own font, which is the one it draws with.
    SelectGuard font(dc.Get(), reinterpret_cast<HFONT>(list_.Send(WM_GETFONT)));
    for (int i = 0; i < count; ++i) {
      const std::string text = list_.ItemText(i);
      SIZE extent = {};
      ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
      RECT icon = {};
      list_.ItemRect(i, LVIR_ICON, icon);
      widths.push_back(extent.cx + (icon.right - icon.left));
    }
  }
  // The list draws each label with margins that the text extent leaves out, so the widest title alone would
  // end in "..."; the list's own fit to its items includes them.
  list_.SetColumnWidth(0, LVSCW_AUTOSIZE);
  widths.push_back(list_.ColumnWidth(0));
  const int columnWidth = AppListColumnWidth(widths, maxColumnWidth_);
  list_.SetColumnWidth(0, columnWidth);
  RECT item = {};
  if (!list_.ItemRect(0, LVIR_BOUNDS, item)) return;
  RECT frame = {0, 0, columnWidth + ::GetSystemMetrics(SM_CXHSCROLL),
                AppListVisibleRows(count) * (item.bottom - item.top)};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongA(Handle(), GWL_EXSTYLE)));
  ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left + kFrameMargin,
                 frame.bottom - frame.top + kFrameMargin, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AppListWindow::PlaceBesideButton(int screen) {
  const RECT area = WorkArea();
  const RECT panel = WindowRect(host_.PanelWindowHandle());
  const RECT button = host_.ScreenButtonRect(screen);
  const RECT own = WindowRect(Handle());
  const Point corner =
      PlaceAppList({area.left, area.top, area.right, area.bottom}, {panel.left, panel.top, panel.right, panel.bottom},
                   {button.left, button.top, button.right, button.bottom}, own.right - own.left, own.bottom - own.top);
  ::SetWindowPos(Handle(), HWND_TOPMOST, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

LRESULT AppListWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
  // lParam is the window that takes the activation when it belongs to this thread, as the panel does.
  if (LOWORD(wParam) == WA_INACTIVE && reinterpret_cast<HWND>(lParam) != host_.PanelWindowHandle() &&
      !confirmationShown_) {
    HideAppList();
  }
  return NotHandled();
}

void AppListWindow::OnOK() {
  const std::vector<int> selected = list_.SelectedItems();
  RECT row = {};
  if (selected.empty() || !list_.ItemRect(selected.front(), LVIR_BOUNDS, row)) return;
  POINT centre = {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
  ::ClientToScreen(list_.Handle(), &centre);
  OpenContextMenu(centre);
}

void AppListWindow::OnCancel() { HideAppList(); }

LRESULT AppListWindow::OnSize(WPARAM, LPARAM lParam) {
  ::MoveWindow(list_.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
  return 0;
}

LRESULT AppListWindow::OnTimer(WPARAM timer, LPARAM) {
  if (timer == kTitleTimer) {
    RefreshTitles();
  } else if (timer == kDragTimer) {
    // The same position again makes the system send a fresh WM_MOUSEMOVE, so that the cursor follows the Ctrl
    // key while the mouse stands still.
    POINT cursor = {};
    if (::GetCursorPos(&cursor)) ::SetCursorPos(cursor.x, cursor.y);
  }
  return 0;
}

void AppListWindow::RefreshTitles() {
  const int count = list_.ItemCount();
  for (int i = 0; i < count; ++i) {
    const auto window = reinterpret_cast<WindowHandle>(list_.ItemData(i));
    // Items of windows that died stay until the list opens again.
    if (window == nullptr || !desktop_.Exists(window)) continue;
    const std::string title = desktop_.Text(window);
    if (IsTitleChanged(list_.ItemText(i), title, IsLeadByte)) list_.SetItemText(i, 0, title);
  }
}

LRESULT AppListWindow::OnListKeyDown(WPARAM, LPARAM lParam) {
  const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(lParam);
  if (key->wVKey != VK_LEFT && key->wVKey != VK_RIGHT) return NotHandled();
  const int target = NeighbourScreen(listedScreen_, model_.ScreenCount(), key->wVKey == VK_LEFT ? -1 : +1);
  const WindowToken alive = Token();
  ::SendMessageA(host_.PanelWindowHandle(), WM_SCREEN_BUTTON_RCLICK, static_cast<WPARAM>(target), 0);
  if (!alive.Alive()) return 0;
  ::SetActiveWindow(Handle());
  // A disabled list takes no keys: an empty screen's list leaves the focus on the stand-by list.
  ::SetFocus(::IsWindowEnabled(list_.Handle()) ? list_.Handle() : standby_.Handle());
  return 0;
}

// --- Selection and the context menu ----------------------------------------------------------

ScreenWindows* AppListWindow::ListedScreen() const { return model_.Windows(listedScreen_); }

std::vector<WindowHandle> AppListWindow::SelectedWindows() const {
  std::vector<WindowHandle> windows;
  for (int index : selectedItems_) {
    const auto window = reinterpret_cast<WindowHandle>(list_.ItemData(index));
    if (window != nullptr && desktop_.Exists(window)) windows.push_back(window);
  }
  return windows;
}

std::vector<WindowHandle> AppListWindow::CollectSelection() {
  selectedItems_ = list_.SelectedItems();
  return SelectedWindows();
}

std::vector<WindowHandle> AppListWindow::AllWindows() const {
  std::vector<WindowHandle> windows;
  const int count = list_.ItemCount();
  for (int i = 0; i < count; ++i) {
    const auto window = reinterpret_cast<WindowHandle>(list_.ItemData(i));
    if (window != nullptr && desktop_.Exists(window)) windows.push_back(window);
  }
  return windows;
}

LRESULT AppListWindow::OnListRightClick(WPARAM, LPARAM) {
  POINT cursor = {};
  ::GetCursorPos(&cursor);
  OpenContextMenu(cursor);
  return 0;
}

void AppListWindow::OpenContextMenu(POINT at) {
  ScreenWindows* screen = ListedScreen();
  if (screen == nullptr) return;
  menuSelection_ = CollectSelection();
  Menu menus = Menu::Load(IDR_POPUP_MENUS);
  Menu popup = menus.SubMenu(1);
  if (!popup) return;
  // The bitmaps must outlive the menu's display; they go when this returns.
  std::vector<UniqueBitmap> bitmaps;
  for (const MenuItemPicture& item : kMenuPictures) {
    bitmaps.push_back(LoadBitmapResource(item.bitmap));
    popup.SetItemBitmaps(item.command, bitmaps.back().Get());
  }
  ::SetMenuDefaultItem(popup.Handle(), IDM_SELECT_ALL, FALSE);
  EnableMenuItems(popup.Handle(), availability_.Decide(menuSelection_, AllWindows(), *screen));
  // The chosen command arrives as WM_COMMAND once the menu has closed.
  popup.TrackPopup(TPM_RIGHTBUTTON, at.x, at.y, Handle());
}

void AppListWindow::EnableMenuItems(HMENU menu, const MenuAvailability& availability) const {
  const struct {
    UINT command;
    bool enabled;
  } items[] = {
      {IDM_SELECT_ALL, availability.selectAll},
      {IDM_RESTORE, availability.restore},
      {IDM_MINIMIZE, availability.minimize},
      {IDM_MAXIMIZE, availability.maximize},
      {IDM_MINIMIZE_ALL, availability.minimizeAll},
      {IDM_KEEP_ON_TOP, availability.keepOnTop},
      {IDM_NOT_ON_TOP, availability.notOnTop},
      {IDM_STICK, availability.stick},
      {IDM_COPY_TO_ALL_SCREENS, availability.copyToAllScreens},
      {IDM_KEEP_ONLY_IN_THIS_SCREEN, availability.keepOnlyInThisScreen},
      {IDM_CLOSE_WINDOWS, availability.close},
  };
  for (const auto& item : items) {
    ::EnableMenuItem(menu, item.command, MF_BYCOMMAND | (item.enabled ? MF_ENABLED : MF_GRAYED));
  }
}

// --- Commands ---------------------------------------------------------------------------------

LRESULT AppListWindow::OnSelectAll(WPARAM, LPARAM) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  item.state = LVIS_SELECTED;
  // Item -1 stands for all items.
  list_.Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  return 0;
}

LRESULT AppListWindow::OnRestore(WPARAM, LPARAM) {
  commands_.Restore(CollectSelection());
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnMinimize(WPARAM, LPARAM) {
  commands_.Minimize(CollectSelection());
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnMaximize(WPARAM, LPARAM) {
  commands_.Maximize(CollectSelection());
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnMinimizeAll(WPARAM, LPARAM) {
  commands_.MinimizeAll(AllWindows());
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnKeepOnTop(WPARAM, LPARAM) {
  commands_.SetTopmost(CollectSelection(), true);
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnNotOnTop(WPARAM, LPARAM) {
  commands_.SetTopmost(CollectSelection(), false);
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnStick(WPARAM, LPARAM) {
  const WindowToken alive = Token();
  if (menuSelection_.size() > 1) {
    ShowMessage(Handle(), IDS_STICK_SINGLE_WINDOW, MB_OK);
  } else if (menuSelection_.size() == 1) {
    host_.StickWindow(ToHwnd(menuSelection_.front()));
  }
  if (!alive.Alive()) return 0;
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnCopyToAllScreens(WPARAM, LPARAM) {
  commands_.CopyToAllScreens(menuSelection_);
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnKeepOnlyInThisScreen(WPARAM, LPARAM) {
  if (ScreenWindows* screen = ListedScreen()) commands_.KeepOnlyInScreen(menuSelection_, *screen);
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnCloseWindows(WPARAM, LPARAM) {
  std::vector<WindowHandle> windows = CollectSelection();
  if (settings_.ConfirmClose) {
    // The question takes the activation; the list stays for the answer.
    confirmationShown_ = true;
    const WindowToken alive = Token();
    const int answer = ShowMessage(Handle(), IDS_CONFIRM_CLOSE_WINDOWS, MB_YESNO | MB_ICONQUESTION);
    if (!alive.Alive()) return 0;
    confirmationShown_ = false;
    if (answer != IDYES) {
      ::SetActiveWindow(Handle());
      return 0;
    }
    // Windows may have closed while the question was open.
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [this](WindowHandle window) { return !desktop_.Exists(window); }),
                  windows.end());
  }
  for (WindowHandle window : windows) {
    // A disabled window is the owner of a modal dialog, which must be answered first.
    if (desktop_.Has(window, WindowTrait::kDisabled)) continue;
    desktop_.SetForeground(window);
    ::PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0);
  }
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnListDoubleClick(WPARAM, LPARAM) {
  commands_.Activate(CollectSelection());
  HideAppList();
  return 0;
}

// --- Dragging windows onto a screen button ------------------------------------------------------

LRESULT AppListWindow::OnListBeginDrag(WPARAM, LPARAM) {
  dragged_ = CollectSelection();
  if (dragged_.empty()) return 0;
  ::SetTimer(Handle(), kDragTimer, kDragPeriodMs, nullptr);
  ::SetCapture(Handle());
  return 0;
}

HWND AppListWindow::WindowUnderCursor(POINT screenPoint) const {
  HWND window = ::WindowFromPoint(screenPoint);
  if (window == nullptr) return nullptr;
  POINT client = screenPoint;
  ::ScreenToClient(window, &client);
  HWND child = ::ChildWindowFromPoint(window, client);
  return child != nullptr ? child : window;
}

LRESULT AppListWindow::OnSetCursor(WPARAM, LPARAM) {
  // The drag cursor stays while the drag holds the mouse.
  if (::GetCapture() == Handle()) return TRUE;
  return NotHandled();
}

LRESULT AppListWindow::OnMouseMove(WPARAM keys, LPARAM) {
  if (::GetCapture() != Handle() || dragged_.empty()) return NotHandled();
  POINT cursor = {};
  ::GetCursorPos(&cursor);
  const bool overButtons = WindowUnderCursor(cursor) == host_.ScreenButtonsHandle();
  const int cursorId = DragCursorId(overButtons, static_cast<int>(dragged_.size()), (keys & MK_CONTROL) != 0);
  ::SetCursor(::LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(cursorId)));
  return 0;
}

LRESULT AppListWindow::OnLeftButtonUp(WPARAM keys, LPARAM) {
  if (::GetCapture() == Handle() && !dragged_.empty()) {
    const std::vector<WindowHandle> dragged = dragged_;
    HookLockScope lock(hookLock_);
    EndDrag();
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    HWND buttons = host_.ScreenButtonsHandle();
    ScreenWindows* source = ListedScreen();
    if (source != nullptr && WindowUnderCursor(cursor) == buttons) {
      POINT client = cursor;
      ::ScreenToClient(buttons, &client);
      const auto hit = static_cast<DWORD>(::SendMessageA(buttons, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y)));
      const int target = DropTargetScreen(LOWORD(hit), model_.ScreenCount(), listedScreen_);
      if (ScreenWindows* targetScreen = model_.Windows(target)) {
        commands_.MoveToScreen(dragged, *source, *targetScreen, (keys & MK_CONTROL) != 0);
      }
    }
    ::InvalidateRect(buttons, nullptr, TRUE);
    ::UpdateWindow(buttons);
  }
  HideAppList();
  return 0;
}

LRESULT AppListWindow::OnCaptureChanged(WPARAM, LPARAM) {
  // A drag whose capture went elsewhere (another program took the mouse) is over without a drop.
  if (!dragged_.empty()) EndDrag();
  return NotHandled();
}

void AppListWindow::EndDrag() {
  dragged_.clear();
  ::KillTimer(Handle(), kDragTimer);
  if (::GetCapture() == Handle()) ::ReleaseCapture();
}

}  // namespace qiv
