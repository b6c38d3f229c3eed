// The panel: the program's main window, run as a modal dialog for as long as the program runs.
#include "panel/PanelWindow.h"

#include <vector>

#include "controls/SplashWindow.h"
#include "framework/GdiObjects.h"
#include "framework/PaintScope.h"
#include "framework/Program.h"
#include "hooklib/Qivhook.h"
#include "panel/CaptionStrip.h"
#include "panel/HotKeyRouting.h"
#include "panel/PanelCell.h"
#include "panel/PanelGrid.h"
#include "panel/PanelMessages.h"
#include "panel/PanelPlacement.h"
#include "panel/PanelVisibility.h"
#include "platform/win32/Win32Desktop.h"
#include "resources/resource.h"
#include "shell/ShellServices.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

constexpr UINT_PTR kVisibilityTimer = 1;
constexpr UINT kVisibilityPeriodMs = 200;
constexpr UINT_PTR kScreenStateTimer = 300;
constexpr UINT kScreenStatePeriodMs = 500;
constexpr UINT_PTR kBlinkTimer = 400;
constexpr UINT kBlinkPeriodMs = 500;
constexpr DWORD kHolderStopMs = 2000;

// The panel stays shown while the cursor is this close to it, the grip while it is this close to the grip.
constexpr int kPanelPointedMargin = 10;
constexpr int kResizerNearMargin = 50;
// The grip's anchor is this far inside its top-left corner and sits on the panel's corner.
constexpr int kResizerAnchor = 7;

// Shows or hides without activating anything: ShowWindow(SW_HIDE) would activate another window.
void SetVisibleWithoutActivation(HWND window, bool visible) {
  ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

}  // namespace

QIV_BEGIN_MESSAGE_MAP(PanelWindow, Dialog)
  // The lock gate comes first: every command passes it before its own handler runs.
  QIV_ON_MESSAGE(WM_COMMAND, OnLockGate)
  QIV_ON_COMMAND(IDC_SCREEN_BUTTONS, LBN_SELCHANGE, OnScreenSelected)
  QIV_ON_COMMAND(IDC_MAIN_MENU, BN_CLICKED, OnMainMenu)
  QIV_ON_COMMAND(IDC_MAIN_MENU, 1, OnMainMenu)
  QIV_ON_COMMAND(IDM_SETTINGS, 0, OnSettingsCommand)
  QIV_ON_COMMAND(IDM_LOCK, 0, OnLockCommand)
  QIV_ON_COMMAND(IDM_HELP, 0, OnHelpCommand)
  QIV_ON_COMMAND(IDM_ABOUT, 0, OnAboutCommand)
  QIV_ON_COMMAND(IDM_CLOSE, 0, OnCloseCommand)
  QIV_ON_MESSAGE(WM_SCREEN_BUTTON_RCLICK, OnScreenButtonRightClick)
  QIV_ON_MESSAGE(kWmHookKeyPressed, OnKeyReported)
  QIV_ON_MESSAGE(kWmHookWindowShown, OnWindowShown)
  QIV_ON_MESSAGE(WM_PANEL_STARTED, OnPanelStarted)
  QIV_ON_MESSAGE(WM_SAVE_PANEL_POS, OnSavePanelPosition)
  QIV_ON_MESSAGE(WM_REFRESH_TOOLTIPS, OnRefreshTooltips)
  QIV_ON_MESSAGE(WM_TIMER, OnTimer)
  QIV_ON_MESSAGE(WM_SIZE, OnSize)
  QIV_ON_MESSAGE(WM_MOVE, OnMove)
  QIV_ON_MESSAGE(WM_PAINT, OnPaint)
  QIV_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
  QIV_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
  QIV_ON_MESSAGE(WM_LBUTTONUP, OnLeftButtonUp)
  QIV_ON_MESSAGE(WM_RBUTTONDOWN, OnRightButtonDown)
  QIV_ON_MESSAGE(WM_ACTIVATE, OnActivate)
  QIV_ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
  QIV_ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
  QIV_ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
  QIV_ON_MESSAGE(::RegisterWindowMessageA(kLiveGdiObjectsQuery), OnLiveGdiObjectsQuery)
  QIV_ON_MESSAGE(WM_ENDSESSION, OnEndSession)
  QIV_ON_MESSAGE(WM_DESTROY, OnDestroy)
QIV_END_MESSAGE_MAP()

PanelWindow::PanelWindow(Settings& settings, Registry& registry, IconSource& icons, const EnginePlatform& platform,
                         WindowTracker& tracker, SwitchEngine& engine)
    // Enter and Escape (and with them WM_CLOSE and Alt+F4) do nothing: the panel ends only through its close
    // command.
    : Dialog(IDD_PANEL, OkCancel::Ignored),
      settings_(settings),
      registry_(registry),
      icons_(icons),
      tracker_(tracker),
      engine_(engine),
      model_(engine, tracker, platform, icons, registry, settings, *this),
      operations_(engine, tracker, model_, platform, settings),
      commands_(*this, settings, model_, platform.hookLock),
      screenButtons_(model_, tracker, platform.desktop, settings),
      mainMenu_(BitmapButton::kDownArrow),
      appList_(*this, model_, operations_, engine, platform.desktop, platform.hookLock, settings),
      resizer_(*this) {}

bool PanelWindow::OnInitDialog() {
  Dialog::OnInitDialog();
  mainMenu_.SubclassDlgItem(Handle(), IDC_MAIN_MENU);
  screenButtons_.SubclassDlgItem(Handle(), IDC_SCREEN_BUTTONS);
  MakeToolWindow(Handle());
  ::SetTimer(Handle(), kVisibilityTimer, kVisibilityPeriodMs, nullptr);
  panelIcon_ = ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_QIV));
  Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(panelIcon_));
  Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(panelIcon_));
  appList_.Create();
  resizer_.Create(Handle());

  // Without the guardian's holder, the panel parks in one of its own.
  if (engine_.HolderWindow() == nullptr) engine_.SetHolderWindow(ToWindowHandle(holder_.Start()));
  QivhookInit(Handle(), ::GetCurrentProcessId());

  ScreenList stored(icons_);
  const RECT area = WorkArea();
  const bool wasStored =
      stored.Load(registry_, ScreensThatFit(area.right - area.left, PanelCell(), settings_.DoubleWidth != 0));
  model_.ApplyScreenList(stored, wasStored ? ScreenModel::ListOrigin::kJustLoaded : ScreenModel::ListOrigin::kNew);

  SplashWindow::Open();
  Post(WM_PANEL_STARTED);
  // Nothing shows until the first layout.
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

// --- PanelView ------------------------------------------------------------------------------

void PanelWindow::HideAppList() { appList_.HideAppList(); }

int PanelWindow::ScreenSelection() { return screenButtons_.CurrentSelection(); }

void PanelWindow::SetScreenSelection(int index) { screenButtons_.SetCurrentSelection(index); }

void PanelWindow::ResetScreenButtons() { screenButtons_.ResetContent(); }

void PanelWindow::AddScreenButton(const std::string& name) { screenButtons_.AddString(name); }

void PanelWindow::RedrawScreenButtons() { ::InvalidateRect(screenButtons_.Handle(), nullptr, FALSE); }

void PanelWindow::RedrawScreenButton(int index) {
  RECT item = {};
  if (screenButtons_.ItemRect(index, item)) ::InvalidateRect(screenButtons_.Handle(), &item, FALSE);
}

void PanelWindow::EnableScreenButtons(bool enable) { ::EnableWindow(screenButtons_.Handle(), enable); }

std::vector<HotKey> PanelWindow::ScreenHotKeys() const {
  std::vector<HotKey> keys;
  for (int i = 0; i < model_.ScreenCount(); ++i) keys.push_back(model_.Screens().HotKeyOf(i));
  return keys;
}

void PanelWindow::InterceptHotKeys(bool intercept) {
  std::vector<QivhookInterceptedKey> table;
  if (intercept) {
    for (const InterceptedHotKey& entry :
         HotKeysToIntercept(commands_.IsLocked(), settings_.HK_NextScreen, settings_.HK_PrevScreen, ScreenHotKeys())) {
      table.push_back({entry.key.key, entry.key.modifiers, entry.swallow ? 1 : 0});
    }
  }
  QivhookSetInterceptedKeys(table.data(), static_cast<LONG>(table.size()));
}

void PanelWindow::EndPanel() { EndDialog(0); }

// --- AppListHost ----------------------------------------------------------------------------

RECT PanelWindow::ScreenButtonRect(int screen) const {
  RECT item = {};
  if (!screenButtons_.ItemRect(screen, item)) return {};
  ::MapWindowPoints(screenButtons_.Handle(), nullptr, reinterpret_cast<POINT*>(&item), 2);
  return item;
}

void PanelWindow::SetListedScreen(int screen) {
  screenButtons_.SetListedScreen(screen);
  RedrawScreenButtons();
}

void PanelWindow::ApplyLayout() {
  const int cell = PanelCell();
  screenButtons_.SetItemHeight(cell);
  KeepPanelReachable();
  const Settings::Rect& position = settings_.MainWndPos;
  ::SetWindowPos(Handle(), nullptr, position.left, position.top, position.right - position.left,
                 position.bottom - position.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitPanelToGrid(ResizerWindow::kCurrentSizeCorner);
  RECT client = {};
  ::GetClientRect(Handle(), &client);
  LayoutPanelChildren(client.right, client.bottom);
  screenButtons_.SetColumnWidth((settings_.DoubleWidth ? 2 : 1) * cell);
  SetWindowAlpha(Handle(), static_cast<BYTE>(settings_.TransMain));
  SetWindowAlpha(appList_.Handle(), static_cast<BYTE>(settings_.TransAppList));
  SetWindowAlpha(resizer_.Handle(), static_cast<BYTE>(settings_.TransAppList));
  // The screens and their keys may have changed with the layout.
  InterceptHotKeys(true);
  Post(WM_REFRESH_TOOLTIPS);
}

void PanelWindow::KeepPanelReachable() {
  std::vector<PixelRect> workAreas;
  for (const RECT& area : MonitorWorkAreas()) workAreas.push_back({area.left, area.top, area.right, area.bottom});
  const RECT everyMonitor = VirtualScreen();
  const Settings::Rect& stored = settings_.MainWndPos;
  if (IsPanelReachable({stored.left, stored.top, stored.right, stored.bottom}, workAreas,
                       {everyMonitor.left, everyMonitor.top, everyMonitor.right, everyMonitor.bottom}, PanelCell())) {
    return;
  }
  const RECT primary = WorkArea();
  settings_.MainWndPos =
      Settings::DefaultPanelPosition({primary.left, primary.top, primary.right, primary.bottom}, PanelCell());
}

// --- ResizerOwner ---------------------------------------------------------------------------

void PanelWindow::FitPanelToGrid(POINT cornerInResizerClient) {
  const POINT corner = resizer_.RequestedPanelCorner(cornerInResizerClient);
  const RECT panel = WindowRect(Handle());
  const int cell = PanelCell();
  const GridShape shape = qiv::FitPanelToGrid(corner.x - panel.left, corner.y - panel.top, cell, model_.ScreenCount(),
                                              settings_.DoubleWidth != 0);
  ::SetWindowPos(Handle(), nullptr, 0, 0, shape.widthCells * cell, shape.heightCells * cell,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Layout and painting --------------------------------------------------------------------

LRESULT PanelWindow::OnSize(WPARAM, LPARAM lParam) {
  LayoutPanelChildren(LOWORD(lParam), HIWORD(lParam));
  return 0;
}

void PanelWindow::LayoutPanelChildren(int width, int height) {
  HWND buttons = DlgItem(IDC_SCREEN_BUTTONS);
  const int cell = PanelCell();
  if (buttons == nullptr || cell <= 0 || height % cell != 0) return;
  const int rows = height / cell;
  if (rows == 1) {
    ::SetWindowPos(buttons, nullptr, 2 * cell, 0, width - 2 * cell, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    ::SetWindowPos(buttons, nullptr, 0, cell, width, height - cell, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::MoveWindow(DlgItem(IDC_MAIN_MENU), 1, 3, cell / 2, cell - 6, TRUE);
  PlaceResizer();

  UniqueRegion region = MakeRectRegion({0, 0, width, height});
  RECT item = {};
  screenButtons_.ItemRect(0, item);
  const std::optional<PixelRect> empty =
      EmptyButtonCells(width, height, cell, settings_.DoubleWidth != 0, model_.ScreenCount(), item.right - item.left,
                       item.bottom - item.top);
  if (empty && region) {
    UniqueRegion cut = MakeRectRegion({empty->left, empty->top, empty->right, empty->bottom});
    ::CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
  }
  // The system owns the region once it accepts it.
  if (region && ::SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
  ::InvalidateRect(Handle(), nullptr, TRUE);
  screenButtons_.RegisterButtonTips();

  const RECT panel = WindowRect(Handle());
  if (panel.right < 0)
    ::SetWindowPos(Handle(), nullptr, 0, panel.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PanelWindow::PlaceResizer() {
  if (resizer_.Handle() == nullptr) return;
  const RECT panel = WindowRect(Handle());
  ::SetWindowPos(resizer_.Handle(), nullptr, panel.right - kResizerAnchor, panel.bottom - kResizerAnchor, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT PanelWindow::OnMove(WPARAM, LPARAM) {
  PlaceResizer();
  return 0;
}

LRESULT PanelWindow::OnPaint(WPARAM, LPARAM) {
  PaintScope paint(Handle());
  RECT strip = {};
  ::GetClientRect(Handle(), &strip);
  PaintCaptionStrip(paint.Dc(), strip, PanelCell(), reinterpret_cast<HFONT>(Send(WM_GETFONT)));
  return 0;
}

// --- Moving by dragging the panel's own surface -----------------------------------------------

LRESULT PanelWindow::OnLeftButtonDown(WPARAM, LPARAM lParam) {
  dragOffset_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  HideAppList();
  ::SetCapture(Handle());
  return 0;
}

LRESULT PanelWindow::OnMouseMove(WPARAM, LPARAM) {
  if (::GetCapture() != Handle()) return 0;
  POINT cursor = {};
  ::GetCursorPos(&cursor);
  const RECT panel = WindowRect(Handle());
  PixelPoint corner{cursor.x - dragOffset_.x, cursor.y - dragOffset_.y};
  if (settings_.IntSnapScreenBorders) {
    const RECT area = WorkArea();
    corner = SnapToWorkArea(corner, panel.right - panel.left, panel.bottom - panel.top,
                            {area.left, area.top, area.right, area.bottom}, settings_.BoolSnapScreenBorders);
  }
  ::SetWindowPos(Handle(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

LRESULT PanelWindow::OnLeftButtonUp(WPARAM, LPARAM) {
  if (::GetCapture() != Handle()) return 0;
  ::ReleaseCapture();
  Post(WM_SAVE_PANEL_POS);
  return 0;
}

LRESULT PanelWindow::OnSavePanelPosition(WPARAM, LPARAM) {
  const RECT panel = WindowRect(Handle());
  settings_.MainWndPos = {panel.left, panel.top, panel.right, panel.bottom};
  settings_.SaveSettings();
  return 0;
}

// --- Timers and state -----------------------------------------------------------------------

LRESULT PanelWindow::OnPanelStarted(WPARAM, LPARAM) {
  ApplyLayout();
  ::SetTimer(Handle(), kScreenStateTimer, kScreenStatePeriodMs, nullptr);
  ::SetTimer(Handle(), kBlinkTimer, kBlinkPeriodMs, nullptr);
  return 0;
}

LRESULT PanelWindow::OnRefreshTooltips(WPARAM, LPARAM) {
  screenButtons_.RegisterButtonTips();
  return 0;
}

LRESULT PanelWindow::OnTimer(WPARAM timer, LPARAM) {
  switch (timer) {
    case kVisibilityTimer: UpdateVisibility(); break;
    case kScreenStateTimer: model_.RefreshScreenState(); break;
    case kBlinkTimer:
      if (screenButtons_.ToggleBlinkPhase()) RedrawScreenButtons();
      break;
    default: break;
  }
  return 0;
}

bool PanelWindow::IsPanelBusy() const { return menuOpen_ || appList_.IsShown(); }

void PanelWindow::UpdateVisibility() {
  POINT cursor = {};
  ::GetCursorPos(&cursor);
  RECT pointed = WindowRect(Handle());
  ::InflateRect(&pointed, kPanelPointedMargin, kPanelPointedMargin);
  VisibilityInput input;
  input.showOnlyPointed = settings_.ShowOnlyPointed != 0;
  input.pointerNearPanel = ::PtInRect(&pointed, cursor) != FALSE;
  input.panelBusy = IsPanelBusy();
  input.resizerOnlyNear = settings_.ResizerOnlyNear != 0;
  HWND resizer = resizer_.Handle();
  if (resizer != nullptr) {
    RECT nearResizer = WindowRect(resizer);
    ::InflateRect(&nearResizer, kResizerNearMargin, kResizerNearMargin);
    input.pointerNearResizer = ::PtInRect(&nearResizer, cursor) != FALSE;
    input.resizerDragged = ::GetCapture() == resizer;
  }
  const VisibilityDecision decision = DecideVisibility(input);
  if (decision.showPanel != (::IsWindowVisible(Handle()) != FALSE)) {
    SetVisibleWithoutActivation(Handle(), decision.showPanel);
  }

  const bool topmost = (::GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if ((settings_.AlwaysOnTop != 0) != topmost) {
    ::SetForegroundWindow(Handle());
    ::SetWindowPos(Handle(), settings_.AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
  }

  if (resizer != nullptr && decision.showResizer != (::IsWindowVisible(resizer) != FALSE)) {
    SetVisibleWithoutActivation(resizer, decision.showResizer);
  }
}

LRESULT PanelWindow::OnActivate(WPARAM wParam, LPARAM lParam) {
  // The list takes the activation when it opens, and keeps it for the commands on its windows.
  if (LOWORD(wParam) == WA_INACTIVE && reinterpret_cast<HWND>(lParam) != appList_.Handle()) HideAppList();
  return NotHandled();
}

LRESULT PanelWindow::OnSettingChange(WPARAM, LPARAM) {
  ApplyLayout();
  return NotHandled();
}

LRESULT PanelWindow::OnDisplayChange(WPARAM, LPARAM) {
  // The monitor that held the panel may be gone.
  ApplyLayout();
  return NotHandled();
}

LRESULT PanelWindow::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(panelIcon_); }

LRESULT PanelWindow::OnLiveGdiObjectsQuery(WPARAM, LPARAM) { return LiveGdiObjects(); }

// --- Input and commands ---------------------------------------------------------------------

LRESULT PanelWindow::OnLockGate(WPARAM wParam, LPARAM) {
  return commands_.PassLockGate(LOWORD(wParam), HIWORD(wParam)) ? NotHandled() : 0;
}

LRESULT PanelWindow::OnSettingsCommand(WPARAM, LPARAM) {
  commands_.ShowSettings();
  return 0;
}

LRESULT PanelWindow::OnLockCommand(WPARAM, LPARAM) {
  commands_.LockOrUnlock();
  return 0;
}

LRESULT PanelWindow::OnScreenSelected(WPARAM, LPARAM) {
  model_.SwitchToScreen();
  return 0;
}

LRESULT PanelWindow::OnScreenButtonRightClick(WPARAM index, LPARAM) {
  ScreenWindows* screen = model_.Windows(static_cast<int>(index));
  if (screen == nullptr) return 0;
  // The current screen's windows change on the desktop all the time; the others' lists hold while hidden.
  if (static_cast<int>(index) == ScreenSelection()) tracker_.RefreshScreenWindows(*screen, nullptr);
  appList_.ShowForScreen(*screen);
  return 0;
}

LRESULT PanelWindow::OnKeyReported(WPARAM key, LPARAM modifiers) {
  const HotKey pressed{static_cast<std::int32_t>(key), static_cast<std::int32_t>(modifiers)};
  const HotKeyDecision decision = RouteHotKey(pressed, commands_.IsLocked(), settings_.HK_NextScreen,
                                              settings_.HK_PrevScreen, ScreenHotKeys(), model_.CurrentScreen());
  // Sent (a key outside the hook's own table), the hook waits 10 ms for this answer, far less than a switch
  // takes: answered only after the switch, a screen's key would reach the focused application as well.
  ::ReplyMessage(decision.swallow ? 1 : 0);
  if (decision.screenToSelect >= 0) model_.SelectScreen(decision.screenToSelect);
  return decision.swallow ? 1 : 0;
}

LRESULT PanelWindow::OnWindowShown(WPARAM window, LPARAM) {
  SetScreenSelection(model_.CurrentScreen());
  // A report that waited in the queue while a switch ran would send a window that the switch has just hidden
  // with its screen back to that screen, after waiting seconds for it to show.
  const WindowHandle shown = reinterpret_cast<WindowHandle>(window);
  if (model_.IsReportOutOfDate(shown, static_cast<std::uint32_t>(::GetMessageTime()))) return 0;
  return operations_.DispatchShownWindow(shown) ? 1 : 0;
}

LRESULT PanelWindow::OnRightButtonDown(WPARAM, LPARAM) {
  Post(WM_COMMAND, MAKEWPARAM(IDC_MAIN_MENU, 1), 0);
  return 0;
}

LRESULT PanelWindow::OnMainMenu(WPARAM, LPARAM) {
  commands_.ShowMainMenu();
  return 0;
}

LRESULT PanelWindow::OnHelpCommand(WPARAM, LPARAM) {
  commands_.ShowHelp();
  return 0;
}

LRESULT PanelWindow::OnAboutCommand(WPARAM, LPARAM) {
  commands_.ShowAbout();
  return 0;
}

LRESULT PanelWindow::OnCloseCommand(WPARAM, LPARAM) {
  commands_.Close();
  return 0;
}

LRESULT PanelWindow::OnEndSession(WPARAM ending, LPARAM) {
  // A logoff ends the process without destroying the panel: the windows must be back first.
  if (ending) {
    model_.BringBackAllWindows();
    engine_.ReleaseParkedWindows();
  }
  return 0;
}

LRESULT PanelWindow::OnDestroy(WPARAM, LPARAM) {
  QivhookCleanup();
  // Wine destroys a foreign window that is still parked in ours when our process ends.
  engine_.ReleaseParkedWindows();
  // The holder's end waits for the programs of the windows still parked in it; bounded, so that a hung program
  // cannot keep the program, and its instance mutex, alive. Those that answer meanwhile are handed back from here.
  if (!holder_.Stop(kHolderStopMs)) engine_.ReleaseParkedWindows();
  engine_.SetHolderWindow(nullptr);
  if (appList_.Handle() != nullptr) ::DestroyWindow(appList_.Handle());
  if (resizer_.Handle() != nullptr) ::DestroyWindow(resizer_.Handle());
  return NotHandled();
}

}  // namespace qiv
