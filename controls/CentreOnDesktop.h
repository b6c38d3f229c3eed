// Places a window in the middle of the desktop, wherever its owner is.
#pragma once

#include <windows.h>

namespace qiv {

void CentreOnDesktop(HWND window);

}  // namespace qiv
