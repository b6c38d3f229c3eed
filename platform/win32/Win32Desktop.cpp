// The window system through user32.
#include "platform/win32/Win32Desktop.h"

#include "framework/SystemFunction.h"
#include "platform/win32/Win32PositionBatch.h"

namespace qiv {
namespace {

// The portable flags and commands carry the system's numbers.
static_assert(kNoSize == SWP_NOSIZE && kNoMove == SWP_NOMOVE && kNoZOrder == SWP_NOZORDER &&
                  kNoActivate == SWP_NOACTIVATE && kShowWindow == SWP_SHOWWINDOW && kHideWindow == SWP_HIDEWINDOW &&
                  kNoOwnerZOrder == SWP_NOOWNERZORDER && kNoSendChanging == SWP_NOSENDCHANGING &&
                  kAsyncWindowPos == SWP_ASYNCWINDOWPOS,
              "positioning flags");
static_assert(kSwHide == SW_HIDE && kSwShowNormal == SW_SHOWNORMAL && kSwShowMinimized == SW_SHOWMINIMIZED &&
                  kSwMaximize == SW_MAXIMIZE && kSwShowNoActivate == SW_SHOWNOACTIVATE && kSwMinimize == SW_MINIMIZE &&
                  kSwRestore == SW_RESTORE,
              "show commands");
static_assert(kPlacementRestoreToMaximized == WPF_RESTORETOMAXIMIZED, "placement flag");

// Text and class names are read up to this many characters.
constexpr int kMaxTextLength = 1000;

using FlashWindowExFunction = BOOL(WINAPI*)(PFLASHWINFO);

// Systems before Windows 98 and 2000 lack FlashWindowEx.
FlashWindowExFunction FlashWindowExIfPresent() {
  static const FlashWindowExFunction flashWindowEx = [] {
    return LookUpSystemFunction<FlashWindowExFunction>(::GetModuleHandleA("USER32.DLL"), "FlashWindowEx");
  }();
  return flashWindowEx;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<WindowHandle>*>(windows)->push_back(ToWindowHandle(window));
  return TRUE;
}

POINT ToPoint(const Point& point) { return {point.x, point.y}; }
Point FromPoint(const POINT& point) { return {point.x, point.y}; }
RECT ToRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
Rect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

HWND ToInsertAfter(InsertAfter after) {
  switch (after) {
    case InsertAfter::kTopmost: return HWND_TOPMOST;
    case InsertAfter::kNotTopmost: return HWND_NOTOPMOST;
    case InsertAfter::kTop: break;
  }
  return HWND_TOP;
}

// EnumWindows takes a snapshot; a walk with GetWindow can loop or stray when the z-order changes meanwhile.
std::vector<WindowHandle> Win32Desktop::TopLevelWindowsFromTop() {
  std::vector<WindowHandle> windows;
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<WindowHandle> Win32Desktop::ChildWindows(WindowHandle parent) {
  // Without a parent the enumeration would list the top-level windows.
  if (parent == nullptr) return {};
  std::vector<WindowHandle> descendants;
  ::EnumChildWindows(ToHwnd(parent), CollectWindow, reinterpret_cast<LPARAM>(&descendants));
  std::vector<WindowHandle> children;
  for (WindowHandle window : descendants) {
    if (::GetAncestor(ToHwnd(window), GA_PARENT) == ToHwnd(parent)) children.push_back(window);
  }
  return children;
}

bool Win32Desktop::Exists(WindowHandle window) { return ::IsWindow(ToHwnd(window)) != FALSE; }

bool Win32Desktop::IsVisible(WindowHandle window) { return ::IsWindowVisible(ToHwnd(window)) != FALSE; }

std::string Win32Desktop::Text(WindowHandle window) {
  char text[kMaxTextLength + 1] = {};
  const int length = ::GetWindowTextA(ToHwnd(window), text, kMaxTextLength + 1);
  return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string Win32Desktop::ClassName(WindowHandle window) {
  char name[kMaxTextLength + 1] = {};
  const int length = ::GetClassNameA(ToHwnd(window), name, kMaxTextLength + 1);
  return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::uint32_t Win32Desktop::ProcessId(WindowHandle window) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(ToHwnd(window), &processId);
  return processId;
}

WindowCreator Win32Desktop::Creator(WindowHandle window) {
  WindowCreator creator;
  DWORD processId = 0;
  creator.threadId = ::GetWindowThreadProcessId(ToHwnd(window), &processId);
  creator.processId = processId;
  return creator;
}

// For a pop-up window the system answers its owner here: either way it moves with that window.
WindowHandle Win32Desktop::Parent(WindowHandle window) {
  // Not GetParent: for a window without WS_CHILD it answers the owner or nothing, so a window parked in the holder
  // (it keeps its top-level style) would look like a top-level one.
  const HWND parent = ::GetAncestor(ToHwnd(window), GA_PARENT);
  return parent == ::GetDesktopWindow() ? nullptr : ToWindowHandle(parent);
}

WindowHandle Win32Desktop::Owner(WindowHandle window) { return ToWindowHandle(::GetWindow(ToHwnd(window), GW_OWNER)); }

bool Win32Desktop::Has(WindowHandle window, WindowTrait trait) {
  const HWND hwnd = ToHwnd(window);
  switch (trait) {
    case WindowTrait::kDisabled: return ::IsWindow(hwnd) && !::IsWindowEnabled(hwnd);
    case WindowTrait::kMaximized: return ::IsZoomed(hwnd) != FALSE;
    case WindowTrait::kMinimized: return ::IsIconic(hwnd) != FALSE;
    case WindowTrait::kMaximizeBox: return (::GetWindowLongA(hwnd, GWL_STYLE) & WS_MAXIMIZEBOX) != 0;
    case WindowTrait::kMinimizeBox: return (::GetWindowLongA(hwnd, GWL_STYLE) & WS_MINIMIZEBOX) != 0;
    case WindowTrait::kToolWindow: return (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    case WindowTrait::kTopmost: return (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  }
  return false;
}

bool Win32Desktop::GetPlacement(WindowHandle window, WindowPlacement& placement) {
  WINDOWPLACEMENT native = {};
  native.length = sizeof native;
  if (!::GetWindowPlacement(ToHwnd(window), &native)) return false;
  placement.flags = native.flags;
  placement.showCommand = static_cast<std::int32_t>(native.showCmd);
  placement.minPosition = FromPoint(native.ptMinPosition);
  placement.maxPosition = FromPoint(native.ptMaxPosition);
  placement.normalRect = FromRect(native.rcNormalPosition);
  return true;
}

bool Win32Desktop::SetPlacement(WindowHandle window, const WindowPlacement& placement) {
  WINDOWPLACEMENT native = {};
  native.length = sizeof native;
  native.flags = placement.flags;
  native.showCmd = static_cast<UINT>(placement.showCommand);
  native.ptMinPosition = ToPoint(placement.minPosition);
  native.ptMaxPosition = ToPoint(placement.maxPosition);
  native.rcNormalPosition = ToRect(placement.normalRect);
  return ::SetWindowPlacement(ToHwnd(window), &native) != FALSE;
}

bool Win32Desktop::SetPosition(WindowHandle window, InsertAfter after, const Rect& rect, std::uint32_t flags) {
  return ::SetWindowPos(ToHwnd(window), ToInsertAfter(after), rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, flags) != FALSE;
}

std::unique_ptr<PositionBatch> Win32Desktop::BeginPositionBatch(int windowCount) {
  return std::make_unique<Win32PositionBatch>(windowCount);
}

void Win32Desktop::Show(WindowHandle window, std::int32_t showCommand) { ::ShowWindow(ToHwnd(window), showCommand); }

void Win32Desktop::ShowAsync(WindowHandle window, std::int32_t showCommand) {
  ::ShowWindowAsync(ToHwnd(window), showCommand);
}

void Win32Desktop::SetParent(WindowHandle window, WindowHandle parent) { ::SetParent(ToHwnd(window), ToHwnd(parent)); }

void Win32Desktop::SetForeground(WindowHandle window) { ::SetForegroundWindow(ToHwnd(window)); }

void Win32Desktop::StopFlashing(WindowHandle window) {
  const FlashWindowExFunction flashWindowEx = FlashWindowExIfPresent();
  if (flashWindowEx == nullptr) return;
  FLASHWINFO flash = {};
  flash.cbSize = sizeof flash;
  flash.hwnd = ToHwnd(window);
  flash.dwFlags = FLASHW_STOP;
  flashWindowEx(&flash);
}

bool Win32Desktop::RespondsWithin(WindowHandle window, std::uint32_t timeoutMs) {
  // A thread that has taken no message for seconds will not answer now either. Waiting for it would block our
  // thread for the whole time-out on every screen-state tick, and hot keys pressed meanwhile would be lost.
  if (::IsHungAppWindow(ToHwnd(window))) return false;
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(ToHwnd(window), WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &result) != 0;
}

}  // namespace qiv
