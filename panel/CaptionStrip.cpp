// The panel's caption strip.
#include "panel/CaptionStrip.h"

#include "framework/GdiObjects.h"
#include "framework/SelectGuard.h"

namespace qiv {
namespace {

// The gradient's blue runs from this value across the strip's width, by this much in all.
constexpr double kGradientStartBlue = 55.0;
constexpr double kGradientSpan = 200.0;

void PaintBackground(HDC dc, int width, int height, bool fewColours) {
  if (fewColours) {
    const RECT all = {0, 0, width, height};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_ACTIVECAPTION));
    return;
  }
  SelectGuard pen(dc, ::GetStockObject(DC_PEN));
  double blue = kGradientStartBlue;
  for (int x = 0; x < width; ++x) {
    ::SetDCPenColor(dc, RGB(0, 0, static_cast<int>(blue) & 0xFF));
    ::MoveToEx(dc, x, 0, nullptr);
    ::LineTo(dc, x, height);
    blue += kGradientSpan / width;
  }
}

// The longest of the names that fits beside the menu button, centred in the space left.
void PaintTitle(HDC dc, int available, int start, int cell, HFONT font) {
  LOGFONTA description = {};
  if (font == nullptr || !::GetObjectA(font, sizeof(description), &description)) return;
  UniqueFont titleFont = MakeFont(description);
  SelectGuard selectedFont(dc, titleFont.Get());
  for (const char* title : {"Qivdesk", "Qiv", "qiv"}) {
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, title, lstrlenA(title), &size);
    if (size.cx < available) {
      ::SetTextColor(dc, RGB(255, 255, 255));
      ::SetBkMode(dc, TRANSPARENT);
      ::TextOutA(dc, start + (available - size.cx) / 2, (cell - size.cy) / 2, title, lstrlenA(title));
      return;
    }
  }
}

}  // namespace

void PaintCaptionStrip(HDC dc, RECT client, int cell, HFONT font) {
  const bool singleRow = client.bottom - client.top == cell;
  if (singleRow) client.right = client.left + 2 * cell;
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return;
  UniqueMemoryDc memory = MakeMemoryDc(dc);
  UniqueBitmap bitmap = MakeCompatibleBitmap(dc, width, height);
  if (!memory || !bitmap) return;
  {
    SelectGuard selected(memory.Get(), bitmap.Get());
    PaintBackground(memory.Get(), width, height, ::GetDeviceCaps(dc, BITSPIXEL) < 16);
    // A strip of one cell has no room for a title.
    if (width != cell) {
      const int start = cell / 2 + 1;
      PaintTitle(memory.Get(), (singleRow ? 2 * cell : width) - start, start, cell, font);
    }
    ::BitBlt(dc, client.left, client.top, width, height, memory.Get(), 0, 0, SRCCOPY);
  }
}

}  // namespace qiv
