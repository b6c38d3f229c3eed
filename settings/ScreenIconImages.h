// The pictures the settings pages list screens with: the screen's icon, or the program's icon for a screen
// without one, whole or shrunk to a small row image.
#pragma once

#include <windows.h>

#include "framework/UniqueHandle.h"
#include "platform/IconSource.h"

namespace qiv {

// The screen's icon, or the program's icon 172 when the screen has none; shared, never destroyed by the caller.
HICON ScreenIconOrDefault(IconHandle icon);

// An 18 x 18 picture on background: the icon drawn at full size and shrunk to 16 x 16 with a plain stretch, one
// pixel in from the edges. background is meant as the image list's mask colour.
UniqueBitmap MakeSmallIconImage(HICON icon, COLORREF background);

}  // namespace qiv
