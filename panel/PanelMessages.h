// Window messages of the panel: those other windows of the program post to it, and those
// it posts to itself.
#pragma once

#include <windows.h>

// WM_SCREEN_BUTTON_RCLICK, which the application list sends as well.
#include "applist/AppListMessages.h"

namespace qiv {

// Copy the panel's window rectangle into MainWndPos and save the settings; posted after the panel was moved
// or resized with the mouse.
constexpr UINT WM_SAVE_PANEL_POS = WM_USER + 7;
// Re-register the tooltip tools of the screen buttons.
constexpr UINT WM_REFRESH_TOOLTIPS = WM_USER + 13;
// The first layout, then the screen-state and blink timers.
constexpr UINT WM_PANEL_STARTED = WM_USER + 14;

// A registered message that only the benchmark sends: the panel answers the number of live GDI objects the
// program made through its counting helpers. GetGuiResources cannot tell it under Wine.
constexpr char kLiveGdiObjectsQuery[] = "Qiv live GDI objects";

}  // namespace qiv
