// The side of the panel's grid cell.
#pragma once

#include <windows.h>

namespace qiv {

// A caption's height: the panel's buttons and strip follow the system's caption size.
inline int PanelCell() { return ::GetSystemMetrics(SM_CYCAPTION); }

}  // namespace qiv
