// Real mouse input through SendInput, as a user would move the mouse and press its left button.
#pragma once

#include <windows.h>

namespace qiv::e2e {

// Points are in pixels of the primary screen. Each call is true once the cursor stays on point;
// the button calls first move the mouse there, then change the button.
bool MoveMouseTo(POINT point);
bool PressLeftButtonAt(POINT point);
bool ReleaseLeftButtonAt(POINT point);
// Press and release at point in one input batch.
bool ClickAt(POINT point);
bool RightClickAt(POINT point);
// Press and release where MoveMouseTo(point) has left the cursor, returning as soon as the input is queued: for
// timing what the click sets off. False if the cursor is elsewhere.
bool ClickInPlace(POINT point);
bool RightClickInPlace(POINT point);

// The window that holds the mouse capture in the thread of window; null if none.
HWND MouseCaptureOf(HWND window);

}  // namespace qiv::e2e
