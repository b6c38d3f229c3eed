// Creation of GDI objects and DCs straight into their owning wrappers, so that every live one is counted.
#pragma once

#include <windows.h>

#include "framework/UniqueHandle.h"

namespace qiv {

UniqueBitmap MakeCompatibleBitmap(HDC dc, int width, int height);
UniqueBitmap LoadBitmapResource(UINT id);
UniqueBrush MakeSolidBrush(COLORREF colour);
UniquePen MakePen(int style, int width, COLORREF colour);
UniqueFont MakeFont(const LOGFONTA& description);
UniqueRegion MakeRectRegion(const RECT& rect);
// A memory DC compatible with dc (null: with the screen).
UniqueMemoryDc MakeMemoryDc(HDC dc);
// The client-area DC of window (null: the screen).
UniqueWindowDc GetWindowDc(HWND window);

}  // namespace qiv
