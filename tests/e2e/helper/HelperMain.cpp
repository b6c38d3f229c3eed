// E2EHelper.exe: opens top-level windows on request of the end-to-end tests, so that
// Qiv sees windows of another process: plain ones, owned dialogs, tool windows,
// Explorer-class windows, windows whose thread stops answering and windows that show
// themselves or close on their own after a while.
#include "tests/e2e/helper/HelperProtocol.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace qiv::e2e {
namespace {

struct WindowRequest {
  std::string className = "QivE2EWindow";
  std::string title = "E2E window";
  HWND owner = nullptr;
  HWND parent = nullptr;
  bool tool = false;
  bool ownThread = false;
  int x = 100, y = 100, width = 300, height = 200;
  int showCommand = SW_SHOWNORMAL;
  bool hasMaximisedRect = false;
  RECT maximisedRect = {};
  // Periods of timers that do nothing: what waking up that often costs a program.
  std::vector<UINT> idleTimerPeriods;
};

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT_PTR kShowTimer = 2;
constexpr UINT_PTR kFirstIdleTimer = 100;

struct KeyCounts {
  std::map<WPARAM, LRESULT> chars;
  std::map<WPARAM, LRESULT> keyDowns;
  std::map<WPARAM, LONGLONG> lastKeyDownTicks;
};

// Touched only by the thread that owns each window; the map itself is guarded.
CRITICAL_SECTION countsLock;
std::map<HWND, KeyCounts> counts;
// Where a window goes when maximised; guarded by countsLock as well.
std::map<HWND, RECT> maximisedRects;

// A maximised window covers the whole screen, the panel included, and under Wine's virtual desktop it then takes
// the clicks meant for the top-most panel. A test that maximises windows keeps them off the panel this way.
void ApplyMaximisedRect(HWND window, MINMAXINFO* info) {
  ::EnterCriticalSection(&countsLock);
  const auto found = maximisedRects.find(window);
  if (found != maximisedRects.end()) {
    info->ptMaxPosition = {found->second.left, found->second.top};
    info->ptMaxSize = {found->second.right - found->second.left, found->second.bottom - found->second.top};
  }
  ::LeaveCriticalSection(&countsLock);
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      LARGE_INTEGER now;
      ::QueryPerformanceCounter(&now);
      ::EnterCriticalSection(&countsLock);
      auto& table = message == WM_CHAR ? counts[window].chars : counts[window].keyDowns;
      ++table[wParam];
      if (message != WM_CHAR) counts[window].lastKeyDownTicks[wParam] = now.QuadPart;
      ::LeaveCriticalSection(&countsLock);
      break;
    }
    case kMsgLastKeyDownTicks: {
      ::EnterCriticalSection(&countsLock);
      const LONGLONG ticks = counts[window].lastKeyDownTicks[wParam];
      ::LeaveCriticalSection(&countsLock);
      return static_cast<LRESULT>(ticks);
    }
    case kMsgCharCount:
    case kMsgKeyDownCount: {
      ::EnterCriticalSection(&countsLock);
      auto& table = message == kMsgCharCount ? counts[window].chars : counts[window].keyDowns;
      const LRESULT count = table[wParam];
      ::LeaveCriticalSection(&countsLock);
      return count;
    }
    case kMsgHang: ::Sleep(static_cast<DWORD>(wParam < 60000 ? wParam : 60000)); return 0;
    case kMsgCloseAfter: ::SetTimer(window, kCloseTimer, static_cast<UINT>(wParam), nullptr); return 0;
    case kMsgShowAfter: ::SetTimer(window, kShowTimer, static_cast<UINT>(wParam), nullptr); return 0;
    case kMsgShownCount: return reinterpret_cast<LRESULT>(::GetPropA(window, "QivE2EShown"));
    case WM_TIMER:
      if (wParam == kCloseTimer) {
        ::DestroyWindow(window);
        return 0;
      }
      if (wParam >= kFirstIdleTimer) return 0;
      if (wParam == kShowTimer) {
        ::KillTimer(window, kShowTimer);
        ::ShowWindow(window, SW_SHOW);
        // Counted once shown: a test that sees the count knows that the show, and the hook's report of it, are done.
        const auto shown = reinterpret_cast<ULONG_PTR>(::GetPropA(window, "QivE2EShown"));
        ::SetPropA(window, "QivE2EShown", reinterpret_cast<HANDLE>(shown + 1));
        return 0;
      }
      break;
    case WM_GETMINMAXINFO: ApplyMaximisedRect(window, reinterpret_cast<MINMAXINFO*>(lParam)); break;
    case WM_DESTROY:
      ::EnterCriticalSection(&countsLock);
      maximisedRects.erase(window);
      ::LeaveCriticalSection(&countsLock);
      ::RemovePropA(window, "QivE2EShown");
      // A window on a thread of its own ends that thread.
      if (::GetPropA(window, "QivE2EOwnThread") != nullptr) {
        ::RemovePropA(window, "QivE2EOwnThread");
        ::PostQuitMessage(0);
      }
      return 0;
    default: break;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

void RegisterWindowClass(const std::string& name) {
  WNDCLASSA windowClass = {};
  if (::GetClassInfoA(::GetModuleHandleA(nullptr), name.c_str(), &windowClass)) return;
  windowClass.lpfnWndProc = TestWindowProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = name.c_str();
  ::RegisterClassA(&windowClass);
}

HWND CreateTestWindow(const WindowRequest& request) {
  RegisterWindowClass(request.className);
  DWORD style = WS_OVERLAPPEDWINDOW;
  if (request.owner != nullptr) style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  if (request.parent != nullptr) style = WS_CHILD | WS_BORDER;
  const DWORD exStyle = request.tool ? WS_EX_TOOLWINDOW : 0;
  HWND window =
      ::CreateWindowExA(exStyle, request.className.c_str(), request.title.c_str(), style, request.x, request.y,
                        request.width, request.height, request.parent != nullptr ? request.parent : request.owner,
                        nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (window != nullptr) {
    if (request.hasMaximisedRect) {
      ::EnterCriticalSection(&countsLock);
      maximisedRects[window] = request.maximisedRect;
      ::LeaveCriticalSection(&countsLock);
    }
    ::ShowWindow(window, request.showCommand);
    ::UpdateWindow(window);
    for (size_t i = 0; i < request.idleTimerPeriods.size(); ++i) {
      ::SetTimer(window, kFirstIdleTimer + i, request.idleTimerPeriods[i], nullptr);
    }
  }
  return window;
}

struct ThreadStart {
  WindowRequest request;
  HANDLE created;
  HWND window;
};

DWORD WINAPI WindowThread(LPVOID parameter) {
  auto* start = static_cast<ThreadStart*>(parameter);
  HWND window = CreateTestWindow(start->request);
  if (window != nullptr) ::SetPropA(window, "QivE2EOwnThread", reinterpret_cast<HANDLE>(1));
  start->window = window;
  ::SetEvent(start->created);
  if (window == nullptr) return 0;
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}

HWND CreateOnOwnThread(const WindowRequest& request) {
  ThreadStart start{request, ::CreateEventA(nullptr, TRUE, FALSE, nullptr), nullptr};
  HANDLE thread = ::CreateThread(nullptr, 0, WindowThread, &start, 0, nullptr);
  if (thread == nullptr) {
    ::CloseHandle(start.created);
    return nullptr;
  }
  ::WaitForSingleObject(start.created, 10000);
  ::CloseHandle(start.created);
  ::CloseHandle(thread);
  return start.window;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> fields;
  size_t begin = 0;
  for (;;) {
    const size_t end = text.find(separator, begin);
    fields.push_back(text.substr(begin, end - begin));
    if (end == std::string::npos) return fields;
    begin = end + 1;
  }
}

HWND ParseHandle(const std::string& text) {
  return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::strtoull(text.c_str(), nullptr, 0)));
}

// The lock counter of Qivhook.dll as this process sees it, plus 1000 so that a
// failure (0) stands apart from every counter value the tests use.
LRESULT HookLockSeenHere() {
  HMODULE library = ::LoadLibraryA("Qivhook.dll");
  if (library == nullptr) return 0;
  using GetLock = LONG(__cdecl*)();
  auto getLock = reinterpret_cast<GetLock>(reinterpret_cast<void*>(::GetProcAddress(library, "QivhookGetLock")));
  const LRESULT result = getLock != nullptr ? 1000 + getLock() : 0;
  ::FreeLibrary(library);
  return result;
}

LRESULT RunCommand(const std::string& command) {
  const std::vector<std::string> fields = Split(command, '|');
  WindowRequest request;
  HWND target = nullptr;
  for (size_t i = 1; i < fields.size(); ++i) {
    const std::string& field = fields[i];
    const size_t equals = field.find('=');
    const std::string name = field.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : field.substr(equals + 1);
    if (name == "class")
      request.className = value;
    else if (name == "title")
      request.title = value;
    else if (name == "owner")
      request.owner = ParseHandle(value);
    else if (name == "parent")
      request.parent = ParseHandle(value);
    else if (name == "hwnd")
      target = ParseHandle(value);
    else if (name == "tool")
      request.tool = true;
    else if (name == "thread")
      request.ownThread = true;
    else if (name == "x")
      request.x = std::atoi(value.c_str());
    else if (name == "y")
      request.y = std::atoi(value.c_str());
    else if (name == "w")
      request.width = std::atoi(value.c_str());
    else if (name == "h")
      request.height = std::atoi(value.c_str());
    else if (name == "show" && value == "min")
      request.showCommand = SW_SHOWMINNOACTIVE;
    else if (name == "show" && value == "max")
      request.showCommand = SW_SHOWMAXIMIZED;
    else if (name == "timers") {
      for (const std::string& period : Split(value, ',')) request.idleTimerPeriods.push_back(std::atoi(period.c_str()));
    } else if (name == "maxrect") {
      int left = 0, top = 0, width = 0, height = 0;
      if (std::sscanf(value.c_str(), "%d,%d,%d,%d", &left, &top, &width, &height) == 4) {
        request.hasMaximisedRect = true;
        request.maximisedRect = {left, top, left + width, top + height};
      }
    }
  }
  if (fields[0] == "open") {
    HWND window = request.ownThread ? CreateOnOwnThread(request) : CreateTestWindow(request);
    return reinterpret_cast<LRESULT>(window);
  }
  if (fields[0] == "focus") return ::SetForegroundWindow(target);
  if (fields[0] == "hooklock") return HookLockSeenHere();
  if (fields[0] == "exit") {
    ::PostQuitMessage(0);
    return 1;
  }
  return 0;
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->dwData != kCommandData || data->lpData == nullptr) return 0;
    return RunCommand(std::string(static_cast<const char*>(data->lpData), data->cbData));
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace
}  // namespace qiv::e2e

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace qiv::e2e;
  ::InitializeCriticalSection(&countsLock);
  WNDCLASSA controlClass = {};
  controlClass.lpfnWndProc = ControlWindowProc;
  controlClass.hInstance = instance;
  controlClass.lpszClassName = kControlClass;
  ::RegisterClassA(&controlClass);
  // Message-only: the control window is no top-level window, so Qiv never tracks it.
  if (::CreateWindowExA(0, kControlClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr) == nullptr) {
    return 1;
  }
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
