// The small owner-drawn push button with a 12 x 12 picture (or a down arrow) and its text as tooltip.
#include "controls/BitmapButton.h"

#include "framework/GdiObjects.h"
#include "framework/SelectGuard.h"
#include "shell/ShellServices.h"

namespace qiv {
namespace {

constexpr UINT_PTR kToolId = 101;
constexpr int kBitmapSize = 12;

}  // namespace

QIV_BEGIN_MESSAGE_MAP(BitmapButton, Window)
  QIV_ON_REFLECTED(WM_DRAWITEM, OnDrawItem)
  QIV_ON_MESSAGE(WM_LBUTTONDBLCLK, OnLeftButtonDoubleClick)
  QIV_ON_MESSAGE(WM_SIZE, OnSize)
  QIV_ON_MESSAGE(WM_DESTROY, OnDestroy)
QIV_END_MESSAGE_MAP()

BitmapButton::BitmapButton(int bitmapId) : bitmapId_(bitmapId) {}

bool BitmapButton::SubclassDlgItem(HWND dialog, int id) {
  if (!Subclass(::GetDlgItem(dialog, id))) return false;
  tooltip_.emplace();
  if (tooltip_->Create(Handle())) {
    AddTool();
  } else {
    tooltip_.reset();
  }
  return true;
}

bool BitmapButton::PreTranslateMessage(MSG& message) {
  if (tooltip_) {
    tooltip_->Activate(true);
    tooltip_->RelayEvent(message);
  }
  return false;
}

LRESULT BitmapButton::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  // The state, not the action: every request redraws the whole face as it is now.
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const RECT& target = item.rcItem;
  const int width = target.right - target.left;
  const int height = target.bottom - target.top;
  UniqueMemoryDc memory = MakeMemoryDc(item.hDC);
  UniqueBitmap surface = MakeCompatibleBitmap(item.hDC, width, height);
  if (!memory || !surface) {
    DrawFace(item.hDC, target, pressed, disabled);
    return TRUE;
  }
  SelectGuard select(memory.Get(), surface.Get());
  DrawFace(memory.Get(), RECT{0, 0, width, height}, pressed, disabled);
  // One copy, so that pressing does not flicker.
  ::BitBlt(item.hDC, target.left, target.top, width, height, memory.Get(), 0, 0, SRCCOPY);
  return TRUE;
}

LRESULT BitmapButton::OnLeftButtonDoubleClick(WPARAM wParam, LPARAM lParam) {
  // An owner-drawn button takes the second click of a double click for a double click, not for a press.
  // Posted, the press comes before the release that is still in the input queue, so it clicks.
  Post(WM_LBUTTONDOWN, wParam, lParam);
  return 0;
}

LRESULT BitmapButton::OnSize(WPARAM, LPARAM) {
  if (tooltip_) {
    tooltip_->DeleteTool(Handle(), kToolId);
    AddTool();
  }
  return NotHandled();
}

LRESULT BitmapButton::OnDestroy(WPARAM, LPARAM) {
  tooltip_.reset();
  return NotHandled();
}

void BitmapButton::DrawFace(HDC dc, const RECT& rect, bool pressed, bool disabled) const {
  DrawFrame3D(dc, rect, ::GetSysColor(COLOR_BTNFACE), pressed);
  const int offset = pressed ? 1 : 0;
  if (bitmapId_ == kDownArrow) {
    DrawDownArrow(dc, rect, offset);
  } else {
    DrawBitmap(dc, rect, offset, disabled);
  }
}

void BitmapButton::DrawDownArrow(HDC dc, const RECT& rect, int offset) const {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int quarter = width / 4;
  UniquePen pen = MakePen(PS_SOLID, 1, RGB(0, 0, 0));
  SelectGuard select(dc, pen.Get());
  // Rows shrinking by one pixel on each side: a triangle pointing down.
  for (int k = 0; k < quarter; ++k) {
    const int y = rect.top + height / 2 + offset + k - width / 8;
    ::MoveToEx(dc, rect.left + offset + quarter + k, y, nullptr);
    ::LineTo(dc, rect.left + offset + 3 * quarter - k, y);
  }
}

void BitmapButton::DrawBitmap(HDC dc, const RECT& rect, int offset, bool disabled) const {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  {
    UniqueBitmap picture = LoadBitmapResource(static_cast<UINT>(bitmapId_));
    UniqueMemoryDc source = MakeMemoryDc(dc);
    if (picture && source) {
      SelectGuard select(source.Get(), picture.Get());
      ::BitBlt(dc, rect.left + (width - kBitmapSize) / 2 + offset, rect.top + (height - kBitmapSize) / 2 + offset,
               kBitmapSize, kBitmapSize, source.Get(), 0, 0, SRCAND);
    }
  }
  if (!disabled) return;
  // Every other 45-degree diagonal in the face colour greys the picture out.
  UniquePen pen = MakePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
  SelectGuard select(dc, pen.Get());
  for (int x = rect.top + rect.left - rect.bottom; x < rect.right; x += 2) {
    ::MoveToEx(dc, x, rect.top, nullptr);
    ::LineTo(dc, x + height, rect.top + height);
  }
}

void BitmapButton::AddTool() const {
  RECT client;
  ::GetClientRect(Handle(), &client);
  // Button captions are short; a longer one is cut in its tip only.
  char text[256] = {};
  ::GetWindowTextA(Handle(), text, sizeof text);
  tooltip_->AddTool(Handle(), kToolId, client, text);
}

}  // namespace qiv
