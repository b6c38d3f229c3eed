// The exports of Qivhook.dll, as Qiv.exe calls them, and the two messages the
// hooks send to the panel window.
#pragma once

#include <windows.h>

#ifdef QIVHOOK_BUILDING
#define QIVHOOK_API extern "C" __declspec(dllexport)
#else
#define QIVHOOK_API extern "C" __declspec(dllimport)
#endif

// Posted for a top-level window of another process that has just been shown (wParam: the window).
constexpr UINT kWmHookWindowShown = WM_USER + 11;
// Sent with a 10 ms abort-if-hung time-out for a key press (wParam: virtual key, lParam:
// bit 0 Ctrl, bit 1 Alt, bit 2 Shift) while the intercepted-key table is empty or full;
// a non-zero reply swallows the key. Posted instead, whatever the lock counter, for a key
// of the table; a key outside a table that holds every key of the panel is not reported.
constexpr UINT kWmHookKeyPressed = WM_USER + 15;

constexpr LPARAM kHookModCtrl = 1;
constexpr LPARAM kHookModAlt = 2;
constexpr LPARAM kHookModShift = 4;

// Installs the keyboard, call-window-procedure and get-message hooks for all threads,
// reporting to mainWindow; false at the first hook that could not be installed.
QIVHOOK_API BOOL __cdecl QivhookInit(HWND mainWindow, DWORD mainProcessId);
// Removes the installed hooks.
QIVHOOK_API void __cdecl QivhookCleanup();
// Raises (true) or lowers (false) the lock counter shared by every process; reports
// are silent while it is not zero.
QIVHOOK_API void __cdecl QivhookLock(BOOL raise);
QIVHOOK_API LONG __cdecl QivhookGetLock();

// A key the hook decides about itself, without waiting for the panel: it is posted to the
// panel, and kept from the application when swallow is not zero.
struct QivhookInterceptedKey {
  LONG virtualKey;
  LONG modifiers;  // the bits of kWmHookKeyPressed's lParam
  LONG swallow;
};
constexpr LONG kQivhookMaxInterceptedKeys = 128;
// Replaces the table (at most kQivhookMaxInterceptedKeys are kept; while it is full, the
// other keys take the bounded send); a count of 0 empties it, and every key is sent.
QIVHOOK_API void __cdecl QivhookSetInterceptedKeys(const QivhookInterceptedKey* keys, LONG count);
