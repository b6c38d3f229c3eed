// Window messages that other windows of the program post to the panel.
#pragma once

#include <windows.h>

namespace qiv {

// Copy the panel's window rectangle into MainWndPos and save the settings; posted after the panel was moved
// or resized with the mouse.
constexpr UINT WM_SAVE_PANEL_POS = WM_USER + 7;

}  // namespace qiv
