// Real mouse input through SendInput.
#include "tests/e2e/harness/Mouse.h"

#include "tests/e2e/harness/Wait.h"

#include <initializer_list>
#include <vector>

namespace qiv::e2e {
namespace {

constexpr unsigned kCursorWaitMs = 2000;
constexpr ULONGLONG kCursorSettleMs = 150;

// Absolute input runs from 0 to 65535 over the primary screen and the system takes pixel
// normalised * size / 65536 (truncated, or rounded on some versions): rounding the
// normalised value up lands on the pixel itself either way.
LONG Normalised(LONG pixel, int screenSize) {
  if (screenSize <= 0) return 0;
  return static_cast<LONG>((static_cast<LONGLONG>(pixel) * 65536 + screenSize - 1) / screenSize);
}

INPUT MouseInput(POINT point, DWORD buttonFlags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(point.x, ::GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(point.y, ::GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  return input;
}

bool CursorAt(POINT point) {
  POINT cursor = {};
  return ::GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
}

// Wine turns the crossing events of the X pointer into mouse moves of its own. When a window
// moves or appears under the pointer before the X server has warped the pointer to the input's
// place, such a move takes the cursor back to where it was. The move is sent again until the
// cursor stays where the input put it.
bool CursorStaysAt(POINT point) {
  ULONGLONG stableSince = ::GetTickCount64();
  return PollUntil(
      [&] {
        const ULONGLONG now = ::GetTickCount64();
        if (CursorAt(point)) return now - stableSince >= kCursorSettleMs;
        INPUT move = MouseInput(point, 0);
        ::SendInput(1, &move, sizeof(INPUT));
        stableSince = now;
        return false;
      },
      kCursorWaitMs);
}

// The buttons change only where the cursor already stays: a press that comes with a move races
// with the moves Wine makes of the pointer's crossing events, and can go to another window.
bool SendButtons(POINT point, std::initializer_list<DWORD> buttonFlags) {
  if (!MoveMouseTo(point)) return false;
  std::vector<INPUT> inputs;
  for (DWORD flags : buttonFlags) inputs.push_back(MouseInput(point, flags));
  return ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size() &&
         CursorStaysAt(point);
}

bool ClickInPlaceWith(POINT point, DWORD down, DWORD up) {
  if (!CursorAt(point)) return false;
  INPUT inputs[] = {MouseInput(point, down), MouseInput(point, up)};
  return ::SendInput(2, inputs, sizeof(INPUT)) == 2;
}

}  // namespace

bool MoveMouseTo(POINT point) {
  INPUT input = MouseInput(point, 0);
  return ::SendInput(1, &input, sizeof(INPUT)) == 1 && CursorStaysAt(point);
}

bool PressLeftButtonAt(POINT point) { return SendButtons(point, {MOUSEEVENTF_LEFTDOWN}); }

bool ReleaseLeftButtonAt(POINT point) { return SendButtons(point, {MOUSEEVENTF_LEFTUP}); }

bool ClickAt(POINT point) { return SendButtons(point, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}); }

bool RightClickAt(POINT point) { return SendButtons(point, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}); }

bool ClickInPlace(POINT point) { return ClickInPlaceWith(point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

bool RightClickInPlace(POINT point) { return ClickInPlaceWith(point, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

HWND MouseCaptureOf(HWND window) {
  // Thread 0 would stand for the foreground thread.
  const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (thread == 0 || !::GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndCapture;
}

}  // namespace qiv::e2e
