// The pictures the settings pages list screens with.
#include "settings/ScreenIconImages.h"

#include "framework/GdiObjects.h"
#include "framework/Program.h"
#include "framework/SelectGuard.h"
#include "platform/win32/Win32IconSource.h"
#include "resources/resource.h"

namespace qiv {
namespace {

constexpr int kIconSize = 32;
constexpr int kSmallImageSize = 18;
constexpr int kShrunkIconSize = 16;

void Fill(HDC dc, int size, COLORREF colour) {
  const UniqueBrush brush = MakeSolidBrush(colour);
  const RECT square = {0, 0, size, size};
  ::FillRect(dc, &square, brush.Get());
}

}  // namespace

HICON ScreenIconOrDefault(IconHandle icon) {
  if (icon != nullptr) return ToHicon(icon);
  // LoadIcon shares the icon with the module: it is never destroyed.
  return ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_SCREEN_MISC));
}

UniqueBitmap MakeSmallIconImage(HICON icon, COLORREF background) {
  const UniqueWindowDc screen = GetWindowDc(nullptr);
  const UniqueMemoryDc iconDc = MakeMemoryDc(screen.Get());
  const UniqueMemoryDc smallDc = MakeMemoryDc(screen.Get());
  const UniqueBitmap iconBitmap = MakeCompatibleBitmap(screen.Get(), kIconSize, kIconSize);
  UniqueBitmap smallBitmap = MakeCompatibleBitmap(screen.Get(), kSmallImageSize, kSmallImageSize);
  if (!iconDc || !smallDc || !iconBitmap || !smallBitmap) return UniqueBitmap();
  // The bitmaps go back out of their DCs before the image list takes a copy of the small one.
  const SelectGuard iconSelected(iconDc.Get(), iconBitmap.Get());
  const SelectGuard smallSelected(smallDc.Get(), smallBitmap.Get());
  Fill(iconDc.Get(), kIconSize, background);
  ::DrawIconEx(iconDc.Get(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  Fill(smallDc.Get(), kSmallImageSize, background);
  ::SetStretchBltMode(smallDc.Get(), COLORONCOLOR);
  ::StretchBlt(smallDc.Get(), 1, 1, kShrunkIconSize, kShrunkIconSize, iconDc.Get(), 0, 0, kIconSize, kIconSize,
               SRCCOPY);
  return smallBitmap;
}

}  // namespace qiv
