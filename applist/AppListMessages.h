// The message by which the panel opens the application list for a screen; the list's arrow keys send it too.
#pragma once

#include <windows.h>

namespace qiv {

// Open the application list for the screen wParam (a right click on its button, or an arrow key in the list).
constexpr UINT WM_SCREEN_BUTTON_RCLICK = WM_USER + 4;

}  // namespace qiv
