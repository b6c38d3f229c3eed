// Message boxes of the program: the caption is always the executable's base name.
#pragma once

#include <windows.h>

namespace qiv {

// type as for MessageBox (buttons and icon); answers the button pressed (IDOK, IDYES...), 0 on failure.
// The box runs under a ModalScope: it is owned by the current modal window, or without one by owner's
// top-level window, and disables that while it runs.
int ShowMessage(HWND owner, const char* text, UINT type);
// The text is entry stringId of the string table.
int ShowMessage(HWND owner, UINT stringId, UINT type);

}  // namespace qiv
