// Qivhook.dll: system-wide hooks that report key presses and newly shown foreign
// top-level windows to Qiv's panel, and a lock counter shared by every process.
// These procedures run inside every process on the desktop, the shell included:
// they never allocate, never block beyond the 10 ms send, and always pass calls on.
#define QIVHOOK_BUILDING
#include "hooklib/Qivhook.h"

namespace {

struct SharedHookData {
  volatile LONG lockCounter;
  HWND mainWindow;
  HHOOK keyboardHook;
  HHOOK callWndProcHook;
  HHOOK getMessageHook;
  BYTE ctrlDown;
  BYTE altDown;
  BYTE shiftDown;
  DWORD mainProcessId;
  // Read by every process while the panel rewrites it: the count is zeroed before the keys
  // change and set after, so a reader sees a whole table or none (and sends the key then).
  volatile LONG interceptedCount;
  QivhookInterceptedKey intercepted[kQivhookMaxInterceptedKeys];
};

}  // namespace

// One record for every process that maps the library. The section must be marked
// shared (GCC: the attribute; MSVC: the linker directive; clang, which ignores both for
// the MinGW target: the linker option in hooklib/CMakeLists.txt), or each process would
// see its own copy and the lock would silence nothing.
#if defined(_MSC_VER)
#pragma data_seg("QIVDATA")
static SharedHookData shared = {};
#pragma data_seg()
#pragma comment(linker, "/SECTION:QIVDATA,RWS")
#elif defined(__clang__)
static SharedHookData shared __attribute__((section("QIVDATA"))) = {};
#else
static SharedHookData shared __attribute__((section("QIVDATA"), shared)) = {};
#endif

static HINSTANCE libraryModule = nullptr;

namespace {

constexpr LPARAM kKeyReleased = static_cast<LPARAM>(1) << 31;

void TrackModifier(WPARAM virtualKey, LPARAM keyFlags) {
  const BYTE down = (keyFlags & kKeyReleased) ? 0 : 1;
  switch (virtualKey) {
    case VK_CONTROL: shared.ctrlDown = down; break;
    case VK_MENU: shared.altDown = down; break;
    case VK_SHIFT: shared.shiftDown = down; break;
    default: break;
  }
}

LPARAM ModifierBits() {
  return (shared.ctrlDown ? kHookModCtrl : 0) | (shared.altDown ? kHookModAlt : 0) |
         (shared.shiftDown ? kHookModShift : 0);
}

bool IsForeignTopLevelWindow(HWND window) {
  if (shared.lockCounter != 0 || !::IsWindow(window)) return false;
  if (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) return false;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  return processId != shared.mainProcessId;
}

void ReportIfShown(HWND window, UINT message, LPARAM lParam) {
  if (message != WM_WINDOWPOSCHANGED || lParam == 0) return;
  const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
  if ((position->flags & SWP_SHOWWINDOW) && IsForeignTopLevelWindow(window)) {
    ::PostMessageA(shared.mainWindow, kWmHookWindowShown, reinterpret_cast<WPARAM>(window), 0);
  }
}

LONG InterceptedKeyCount() { return ::InterlockedCompareExchange(&shared.interceptedCount, 0, 0); }

const QivhookInterceptedKey* FindInterceptedKey(WPARAM virtualKey, LPARAM modifiers, LONG count) {
  for (LONG i = 0; i < count && i < kQivhookMaxInterceptedKeys; ++i) {
    const QivhookInterceptedKey& entry = shared.intercepted[i];
    if (static_cast<WPARAM>(entry.virtualKey) == virtualKey && static_cast<LPARAM>(entry.modifiers) == modifiers) {
      return &entry;
    }
  }
  return nullptr;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM virtualKey, LPARAM keyFlags) {
  TrackModifier(virtualKey, keyFlags);
  if (code != HC_ACTION || (keyFlags & kKeyReleased)) {
    return ::CallNextHookEx(shared.keyboardHook, code, virtualKey, keyFlags);
  }
  const LPARAM modifiers = ModifierBits();
  const LONG interceptedCount = InterceptedKeyCount();
  // A hot key is decided here: sent, it would find the panel busy with the switch before it, time out and reach
  // the application instead. Posted, it waits its turn behind that switch, also while the panel moves windows.
  if (const QivhookInterceptedKey* hotKey = FindInterceptedKey(virtualKey, modifiers, interceptedCount)) {
    const BOOL swallow = hotKey->swallow != 0;
    ::PostMessageA(shared.mainWindow, kWmHookKeyPressed, virtualKey, modifiers);
    if (swallow) return 1;
    return ::CallNextHookEx(shared.keyboardHook, code, virtualKey, keyFlags);
  }
  // A table that holds every key the panel acts on has answered for this one: sent, it would only cost the
  // application a round trip to the panel, and up to 10 ms while the panel is busy. Without a table, or with one
  // too small for every key, the panel decides.
  const bool tableAnswers = interceptedCount > 0 && interceptedCount < kQivhookMaxInterceptedKeys;
  if (tableAnswers || shared.lockCounter != 0) return ::CallNextHookEx(shared.keyboardHook, code, virtualKey, keyFlags);
  DWORD_PTR reply = 0;
  if (::SendMessageTimeoutA(shared.mainWindow, kWmHookKeyPressed, virtualKey, modifiers, SMTO_ABORTIFHUNG, 10,
                            &reply) != 0 &&
      reply != 0) {
    return 1;
  }
  return ::CallNextHookEx(shared.keyboardHook, code, virtualKey, keyFlags);
}

LRESULT CALLBACK CallWndProc(int code, WPARAM flag, LPARAM lParam) {
  if (lParam != 0) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    ReportIfShown(call->hwnd, call->message, call->lParam);
  }
  return ::CallNextHookEx(shared.callWndProcHook, code, flag, lParam);
}

LRESULT CALLBACK GetMessageProc(int code, WPARAM removal, LPARAM lParam) {
  if (lParam != 0) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    ReportIfShown(message->hwnd, message->message, message->lParam);
  }
  return ::CallNextHookEx(shared.getMessageHook, code, removal, lParam);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    libraryModule = instance;
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

QIVHOOK_API BOOL __cdecl QivhookInit(HWND mainWindow, DWORD mainProcessId) {
  shared.lockCounter = 0;
  ::InterlockedExchange(&shared.interceptedCount, 0);
  shared.mainProcessId = mainProcessId;
  shared.mainWindow = mainWindow;
  shared.keyboardHook = ::SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, libraryModule, 0);
  if (shared.keyboardHook == nullptr) return FALSE;
  shared.callWndProcHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, libraryModule, 0);
  if (shared.callWndProcHook == nullptr) return FALSE;
  shared.getMessageHook = ::SetWindowsHookExA(WH_GETMESSAGE, GetMessageProc, libraryModule, 0);
  return shared.getMessageHook != nullptr;
}

QIVHOOK_API void __cdecl QivhookCleanup() {
  if (shared.keyboardHook != nullptr) ::UnhookWindowsHookEx(shared.keyboardHook);
  if (shared.callWndProcHook != nullptr) ::UnhookWindowsHookEx(shared.callWndProcHook);
  if (shared.getMessageHook != nullptr) ::UnhookWindowsHookEx(shared.getMessageHook);
}

QIVHOOK_API void __cdecl QivhookLock(BOOL raise) {
  if (raise) {
    ::InterlockedIncrement(&shared.lockCounter);
  } else {
    ::InterlockedDecrement(&shared.lockCounter);
  }
}

QIVHOOK_API LONG __cdecl QivhookGetLock() { return shared.lockCounter; }

QIVHOOK_API void __cdecl QivhookSetInterceptedKeys(const QivhookInterceptedKey* keys, LONG count) {
  ::InterlockedExchange(&shared.interceptedCount, 0);
  if (keys == nullptr || count <= 0) return;
  const LONG kept = count < kQivhookMaxInterceptedKeys ? count : kQivhookMaxInterceptedKeys;
  for (LONG i = 0; i < kept; ++i) shared.intercepted[i] = keys[i];
  ::InterlockedExchange(&shared.interceptedCount, kept);
}
