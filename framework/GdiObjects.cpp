// Creation of GDI objects and DCs straight into their owning wrappers, so that every live one is counted.
#include "framework/GdiObjects.h"

#include "framework/Program.h"

namespace qiv {

UniqueBitmap MakeCompatibleBitmap(HDC dc, int width, int height) {
  return UniqueBitmap(::CreateCompatibleBitmap(dc, width, height));
}

UniqueBitmap LoadBitmapResource(UINT id) {
  return UniqueBitmap(
      static_cast<HBITMAP>(::LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

UniqueBrush MakeSolidBrush(COLORREF colour) { return UniqueBrush(::CreateSolidBrush(colour)); }

UniquePen MakePen(int style, int width, COLORREF colour) { return UniquePen(::CreatePen(style, width, colour)); }

UniqueFont MakeFont(const LOGFONTA& description) { return UniqueFont(::CreateFontIndirectA(&description)); }

UniqueRegion MakeRectRegion(const RECT& rect) {
  return UniqueRegion(::CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
}

UniqueMemoryDc MakeMemoryDc(HDC dc) { return UniqueMemoryDc(::CreateCompatibleDC(dc)); }

UniqueWindowDc GetWindowDc(HWND window) { return UniqueWindowDc(::GetDC(window), window); }

}  // namespace qiv
