// The colour picker button.
#include "controls/CColorPicker.h"

#include <windowsx.h>

#include <string>

#include "framework/GdiObjects.h"
#include "framework/SelectGuard.h"
#include "shell/ShellServices.h"

namespace qiv {
namespace {

constexpr int kDrawPushed = 1;
constexpr int kTextLeft = 10;
constexpr int kFocusInset = 3;
constexpr int kSwatchInset = 6;

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  const int length = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

}  // namespace

QIV_BEGIN_MESSAGE_MAP(CColorPicker, Button)
  QIV_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
  QIV_ON_MESSAGE(WM_LBUTTONDBLCLK, OnLeftButtonDown)
  QIV_ON_MESSAGE(WM_LBUTTONUP, OnLeftButtonUp)
  QIV_ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
  QIV_ON_MESSAGE(WM_KEYUP, OnKeyUp)
  QIV_ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCode)
QIV_END_MESSAGE_MAP()

bool CColorPicker::SubclassDlgItem(HWND dialog, int id) {
  return Button::SubclassDlgItem(dialog, id) && dropDown_.CreatePopup(Handle());
}

void CColorPicker::SetColour(COLORREF colour) {
  colour_ = colour;
  if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

bool CColorPicker::ChooseColour() {
  if (!dropDown_.Run(colour_)) return false;
  colour_ = dropDown_.Colour();
  ::InvalidateRect(Handle(), nullptr, FALSE);
  return true;
}

bool CColorPicker::OnClicked() {
  const WindowToken alive = Token();
  ChooseColour();
  // The drop-down ran a loop of its own, in which the dialog may have gone.
  if (!alive.Alive()) return true;
  FlipPushed();
  ::UpdateWindow(Handle());
  return true;
}

LRESULT CColorPicker::OnLeftButtonDown(WPARAM, LPARAM) {
  mousePressed_ = true;
  return NotHandled();
}

LRESULT CColorPicker::OnLeftButtonUp(WPARAM, LPARAM lParam) {
  const POINT position{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const bool pushed = (Send(BM_GETSTATE) & BST_PUSHED) != 0;
  // The button's own handling then reports the click, and the drop-down runs inside it.
  if (mousePressed_ && pushed && ::PtInRect(&client, position)) FlipPushed();
  mousePressed_ = false;
  return NotHandled();
}

LRESULT CColorPicker::OnKeyDown(WPARAM key, LPARAM) {
  if (key != VK_RETURN) return NotHandled();
  FlipPushed();
  const HWND parent = ::GetParent(Handle());
  ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle()));
  return 0;
}

LRESULT CColorPicker::OnKeyUp(WPARAM key, LPARAM) {
  if (key == VK_SPACE && (Send(BM_GETSTATE) & BST_PUSHED)) FlipPushed();
  return NotHandled();
}

// Enter on the picker opens it instead of pressing the dialog's default button.
LRESULT CColorPicker::OnGetDlgCode(WPARAM, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) return DLGC_WANTMESSAGE | DLGC_BUTTON;
  return NotHandled();
}

void CColorPicker::FlipPushed() {
  drawState_ ^= kDrawPushed;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void CColorPicker::DrawItem(const DRAWITEMSTRUCT& item) {
  const RECT& rect = item.rcItem;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const UniqueMemoryDc memory = MakeMemoryDc(item.hDC);
  const UniqueBitmap bitmap = MakeCompatibleBitmap(item.hDC, width, height);
  if (!memory || !bitmap) {
    Draw(item.hDC, rect, item.itemState);
    return;
  }
  const SelectGuard selected(memory.Get(), bitmap.Get());
  Draw(memory.Get(), RECT{0, 0, width, height}, item.itemState);
  ::BitBlt(item.hDC, rect.left, rect.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void CColorPicker::Draw(HDC dc, const RECT& rect, UINT state) const {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const bool pushed = (drawState_ & kDrawPushed) != 0 || (state & ODS_SELECTED) != 0;
  DrawFrame3D(dc, rect, ::GetSysColor(COLOR_BTNFACE), pushed);
  if ((state & ODS_FOCUS) != 0 || dropDown_.IsOpen()) {
    RECT focus = rect;
    ::InflateRect(&focus, -kFocusInset, -kFocusInset);
    ::DrawFocusRect(dc, &focus);
  }
  const std::string text = WindowText(Handle());
  const HFONT font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
  const SelectGuard selected(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE extent{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor((state & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  ::TextOutA(dc, rect.left + kTextLeft, rect.top + (height - extent.cy) / 2, text.c_str(),
             static_cast<int>(text.size()));
  const RECT swatch{rect.left + width - 2 * height + kSwatchInset, rect.top + kSwatchInset,
                    rect.left + width - kSwatchInset, rect.top + height - kSwatchInset};
  DrawFrame3D(dc, swatch, colour_, true);
}

}  // namespace qiv
