// What the test program and the helper program say to each other.
//
// The helper has a message-only control window (class kControlClass). The test sends it
// WM_COPYDATA (dwData kCommandData) with a command text of '|'-separated fields and gets
// the result as the message's return value:
//   open|class=NAME|title=TEXT[|owner=HWND|parent=HWND][|tool][|thread][|x=..|y=..|w=..|h=..]
//        [|show=min|show=max][|maxrect=X,Y,W,H]
//        -> the new window, shown after creation (a child with "parent"; on a thread of its
//           own with "thread"; minimised without activation, or maximised, with "show";
//           maximised into the given rectangle instead of the whole screen with "maxrect")
//   focus|hwnd=HWND   -> SetForegroundWindow from the helper's process (non-zero on success)
//   hooklock          -> 1000 + QivhookGetLock() as this process sees it (0 if the DLL fails)
//   exit              -> the helper ends
// Windows the helper opened answer these messages directly:
#pragma once

#include <windows.h>

namespace qiv::e2e {

constexpr const char* kControlClass = "QivE2EHelperControl";
constexpr ULONG_PTR kCommandData = 0x51495645;  // "QIVE"

// SendMessage(window, kMsgCharCount, ch, 0): how many WM_CHAR of ch the window received.
constexpr UINT kMsgCharCount = WM_APP + 1;
// SendMessage(window, kMsgKeyDownCount, vk, 0): how many WM_KEYDOWN / WM_SYSKEYDOWN of vk it received.
constexpr UINT kMsgKeyDownCount = WM_APP + 2;
// PostMessage(window, kMsgHang, ms, 0): its thread stops answering for ms milliseconds (at most 60 s).
constexpr UINT kMsgHang = WM_APP + 3;
// PostMessage(window, kMsgCloseAfter, ms, 0): the window destroys itself ms milliseconds later, as a program
// whose window closes on its own.
constexpr UINT kMsgCloseAfter = WM_APP + 4;
// PostMessage(window, kMsgShowAfter, ms, 0): the window shows itself (SW_SHOW, keeping minimised or maximised)
// ms milliseconds later, as a program that brings up its window while its screen is hidden.
constexpr UINT kMsgShowAfter = WM_APP + 5;
// SendMessage(window, kMsgShownCount, 0, 0): how many times kMsgShowAfter has shown the window so far.
constexpr UINT kMsgShownCount = WM_APP + 6;
// SendMessage(window, kMsgLastKeyDownTicks, vk, 0): the performance counter at the window's last WM_KEYDOWN /
// WM_SYSKEYDOWN of vk, 0 before the first; the counter is the same in every process, so the time from an input
// to its arrival is exact.
constexpr UINT kMsgLastKeyDownTicks = WM_APP + 7;

}  // namespace qiv::e2e
