// The colour picker's drop-down.
#include "controls/ColorListControl.h"

#include <windowsx.h>

#include "framework/GdiObjects.h"
#include "framework/PaintScope.h"
#include "framework/Program.h"
#include "framework/SelectGuard.h"
#include "shell/ShellServices.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

constexpr char kClassName[] = "ColorListControl";
constexpr char kOtherColoursText[] = "Other colors...";

// Posted by the list to itself and taken by its loop.
constexpr UINT WM_COLOUR_CHOSEN = WM_USER + 17;
constexpr UINT WM_COLOUR_CANCEL = WM_USER + 18;
constexpr UINT WM_COLOUR_OTHER = WM_USER + 19;

// A click outside the list reaches its window through another program's answer, which must not hang us.
constexpr UINT kHitTestTimeoutMs = 200;

RECT ToRECT(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

RECT Shrunk(RECT rect, int by) {
  ::InflateRect(&rect, -by, -by);
  return rect;
}

// One-pixel edges: topLeft on the top and left, bottomRight on the bottom and right.
void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
  const UniqueBrush light = MakeSolidBrush(topLeft);
  const UniqueBrush dark = MakeSolidBrush(bottomRight);
  const RECT top{rect.left, rect.top, rect.right - 1, rect.top + 1};
  const RECT left{rect.left, rect.top, rect.left + 1, rect.bottom - 1};
  const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
  const RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
  ::FillRect(dc, &top, light.Get());
  ::FillRect(dc, &left, light.Get());
  ::FillRect(dc, &bottom, dark.Get());
  ::FillRect(dc, &right, dark.Get());
}

UniqueFont MessageFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return UniqueFont();
  return MakeFont(metrics.lfMessageFont);
}

}  // namespace

QIV_BEGIN_MESSAGE_MAP(ColorListControl, Window)
  QIV_ON_MESSAGE(WM_PAINT, OnPaint)
  QIV_ON_MESSAGE(WM_LBUTTONDOWN, OnButtonDown)
  QIV_ON_MESSAGE(WM_RBUTTONDOWN, OnButtonDown)
  QIV_ON_MESSAGE(WM_LBUTTONUP, OnButtonUp)
  QIV_ON_MESSAGE(WM_RBUTTONUP, OnButtonUp)
  QIV_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
QIV_END_MESSAGE_MAP()

bool ColorListControl::CreatePopup(HWND picker) {
  if (Handle()) return true;
  if (!RegisterWindowClass(kClassName, 0, ::LoadCursor(nullptr, IDC_ARROW),
                           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)))) {
    return false;
  }
  if (!Create(WS_EX_DLGMODALFRAME, kClassName, "", WS_POPUP, RECT{}, picker, nullptr)) return false;
  owner_ = picker;
  tooltips_.emplace();
  return tooltips_->Create(Handle());
}

bool ColorListControl::Run(COLORREF colour) {
  if (!Handle() || !PrepareRun()) return false;
  colour_ = colour;
  hot_ = kNoCell;
  current_ = CurrentCellFor(colour);
  AddTools();
  const WindowToken alive = Token();
  const HWND popup = Handle();
  ::SetWindowPos(popup, nullptr, windowRect_.left, windowRect_.top, windowRect_.right - windowRect_.left,
                 windowRect_.bottom - windowRect_.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // Without a focus every key comes to the active window as a system key, which the loop takes for the list.
  const HWND focus = ::GetFocus();
  ::SetFocus(nullptr);
  const HWND previousCapture = ::SetCapture(popup);
  pressed_ = false;
  outcome_ = kRunning;
  lastClick_.reset();
  {
    ModalLoop loop(owner_);
    loop_ = &loop;
    loop.Run(popup, this, SW_SHOWNA);
    // The loop ran every message of the thread: the picker's dialog may have gone, and this object with it.
    if (!alive.Alive()) return false;
    loop_ = nullptr;
  }
  bool chosen = outcome_ == kChosen;
  if (outcome_ == kOtherColours) {
    chosen = RunOtherColours();
    if (!alive.Alive()) return false;
  }
  if (::IsWindow(focus)) ::SetFocus(focus);
  if (::GetCapture() == popup) {
    ::ReleaseCapture();
    if (::IsWindow(previousCapture)) ::SetCapture(previousCapture);
  }
  if (lastClick_ && outcome_ == kCancelled) PassOnClick(*lastClick_);
  return chosen;
}

bool ColorListControl::PrepareRun() {
  if (!font_) font_ = MessageFont();
  const UniqueWindowDc dc = GetWindowDc(Handle());
  RECT text{};
  {
    const SelectGuard selected(dc.Get(),
                               font_ ? static_cast<HGDIOBJ>(font_.Get()) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::DrawTextA(dc.Get(), kOtherColoursText, -1, &text, DT_CALCRECT | DT_SINGLELINE);
  }
  const int otherHeight = text.bottom - text.top + 8;
  otherRect_ = {0, kGridHeight, kGridWidth, kGridHeight + otherHeight};
  for (int cell = 1; cell <= kGridCellCount; ++cell)
    cellRects_[static_cast<std::size_t>(cell - 1)] = ToRECT(GridCellRect(cell));
  const int width = kGridWidth + 2 * ::GetSystemMetrics(SM_CXDLGFRAME);
  const int height = kGridHeight + 2 * ::GetSystemMetrics(SM_CYDLGFRAME) + otherHeight;
  const RECT work = WorkArea();
  const RECT button = WindowRect(owner_);
  const std::optional<Rect> place =
      PlaceColorList(width, height, Rect{button.left, button.top, button.right, button.bottom}, work.right - work.left,
                     work.bottom - work.top);
  if (!place) return false;
  windowRect_ = ToRECT(*place);
  return true;
}

void ColorListControl::AddTools() {
  for (int cell = 1; cell <= kOtherColoursCell; ++cell) tooltips_->DeleteTool(Handle(), static_cast<UINT_PTR>(cell));
  for (int cell = 1; cell <= kGridCellCount; ++cell) {
    const char* name = kColorListColours[static_cast<std::size_t>(cell - 1)].name;
    if (name && *name) tooltips_->AddTool(Handle(), static_cast<UINT_PTR>(cell), CellRect(cell), name);
  }
  tooltips_->AddTool(Handle(), kOtherColoursCell, otherRect_, kOtherColoursText);
  tooltips_->Activate(true);
}

bool ColorListControl::OnLoopMessage(MSG& message) {
  tooltips_->RelayEvent(message);
  if (::GetCapture() != Handle()) {
    outcome_ = kCancelled;
    loop_->End(outcome_);
    return true;
  }
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: OnKey(true, static_cast<unsigned>(message.wParam)); return true;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const ColorListKeyResult result = ColorListKeyUp(hot_, pressed_, static_cast<unsigned>(message.wParam));
      if (result.action == ColorListAction::Default) break;
      OnKey(false, static_cast<unsigned>(message.wParam));
      return true;
    }
    default: break;
  }
  if (message.hwnd == Handle()) {
    const int outcome = message.message == WM_COLOUR_CHOSEN   ? kChosen
                        : message.message == WM_COLOUR_CANCEL ? kCancelled
                        : message.message == WM_COLOUR_OTHER  ? kOtherColours
                                                              : kRunning;
    if (outcome != kRunning) {
      outcome_ = outcome;
      loop_->End(outcome_);
      return true;
    }
  }
  // The loop dispatches it: remember a click, which may be the one that cancels the list.
  if (message.message == WM_LBUTTONDOWN) {
    POINT position{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    ::ClientToScreen(message.hwnd, &position);
    lastClick_ = position;
  } else {
    lastClick_.reset();
  }
  return false;
}

void ColorListControl::OnKey(bool down, unsigned virtualKey) {
  const ColorListKeyResult result =
      down ? ColorListKeyDown(hot_, pressed_, virtualKey) : ColorListKeyUp(hot_, pressed_, virtualKey);
  switch (result.action) {
    case ColorListAction::Choose: ChooseHot(); return;
    case ColorListAction::Cancel: Post(WM_COLOUR_CANCEL); return;
    case ColorListAction::Press:
      pressed_ = true;
      RedrawCell(hot_);
      break;
    case ColorListAction::None:
    case ColorListAction::Default: break;
  }
  if (down) SetHot(result.hot);
}

void ColorListControl::ChooseHot() {
  if (hot_ == kNoCell) {
    Post(WM_COLOUR_CANCEL);
  } else if (hot_ == kOtherColoursCell) {
    Post(WM_COLOUR_OTHER);
  } else {
    current_ = hot_;
    colour_ = kColorListColours[static_cast<std::size_t>(hot_ - 1)].colour;
    Post(WM_COLOUR_CHOSEN);
  }
}

void ColorListControl::SetHot(int hot) {
  if (hot == hot_) return;
  const int previous = hot_;
  hot_ = hot;
  RedrawCell(previous);
  RedrawCell(hot_);
}

void ColorListControl::RedrawCell(int cell) const {
  if (cell == kNoCell) return;
  const RECT rect = CellRect(cell);
  ::InvalidateRect(Handle(), &rect, FALSE);
}

RECT ColorListControl::CellRect(int cell) const {
  return cell == kOtherColoursCell ? otherRect_ : cellRects_[static_cast<std::size_t>(cell - 1)];
}

LRESULT ColorListControl::OnButtonDown(WPARAM, LPARAM lParam) {
  POINT position{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ClientToScreen(Handle(), &position);
  if (::PtInRect(&windowRect_, position)) {
    pressed_ = true;
    RedrawCell(hot_);
  } else {
    Post(WM_COLOUR_CANCEL);
  }
  return 0;
}

LRESULT ColorListControl::OnButtonUp(WPARAM, LPARAM) {
  if (pressed_) ChooseHot();
  return 0;
}

LRESULT ColorListControl::OnMouseMove(WPARAM, LPARAM lParam) {
  SetHot(CellAt(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
  return 0;
}

bool ColorListControl::RunOtherColours() {
  if (::GetCapture() == Handle()) ::ReleaseCapture();
  const std::optional<COLORREF> chosen = ChooseColour(owner_, colour_, customColours_);
  if (!chosen) return false;
  current_ = kOtherColoursCell;
  colour_ = *chosen;
  return true;
}

void ColorListControl::PassOnClick(POINT screenPosition) const {
  const HWND target = ::WindowFromPoint(screenPosition);
  if (!target) return;
  DWORD_PTR hitTest = HTNOWHERE;
  if (!::SendMessageTimeoutA(target, WM_NCHITTEST, 0, MAKELPARAM(screenPosition.x, screenPosition.y), SMTO_ABORTIFHUNG,
                             kHitTestTimeoutMs, &hitTest)) {
    return;
  }
  if (hitTest == HTCLIENT) {
    POINT client = screenPosition;
    ::ScreenToClient(target, &client);
    ::PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  } else {
    ::PostMessageA(target, WM_NCLBUTTONDOWN, hitTest, MAKELPARAM(screenPosition.x, screenPosition.y));
  }
}

LRESULT ColorListControl::OnPaint(WPARAM, LPARAM) {
  const PaintScope paint(Handle());
  const RECT client = ClientRect(Handle());
  const UniqueMemoryDc memory = MakeMemoryDc(paint.Dc());
  const UniqueBitmap bitmap = MakeCompatibleBitmap(paint.Dc(), client.right, client.bottom);
  if (!memory || !bitmap) {
    Paint(paint.Dc());
    return 0;
  }
  {
    const SelectGuard selected(memory.Get(), bitmap.Get());
    Paint(memory.Get());
    ::BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
  }
  return 0;
}

void ColorListControl::Paint(HDC dc) const {
  const RECT client = ClientRect(Handle());
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  for (int cell = 1; cell <= kGridCellCount; ++cell) {
    const RECT rect = CellRect(cell);
    PaintCellFrame(dc, cell, rect);
    const COLORREF colour = kColorListColours[static_cast<std::size_t>(cell - 1)].colour;
    DrawFrame3D(dc, Shrunk(rect, 3), colour | 0x02000000, false);
  }
  PaintCellFrame(dc, kOtherColoursCell, otherRect_);
  if (current_ == kOtherColoursCell) {
    const int width = otherRect_.right - otherRect_.left;
    const int height = otherRect_.bottom - otherRect_.top;
    const RECT swatch{otherRect_.left + width - height + 2, otherRect_.top + 2, otherRect_.left + width - 2,
                      otherRect_.bottom - 2};
    DrawFrame3D(dc, swatch, colour_, false);
  }
  RECT text = Shrunk(otherRect_, 3);
  const SelectGuard selected(dc, font_ ? static_cast<HGDIOBJ>(font_.Get()) : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  ::DrawTextA(dc, kOtherColoursText, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void ColorListControl::PaintCellFrame(HDC dc, int cell, const RECT& rect) const {
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  if (cell == current_) {
    Draw3dRect(dc, rect, shadow, highlight);
    if (cell != hot_) {
      const RECT inside = Shrunk(rect, 1);
      ::FillRect(dc, &inside, ::GetSysColorBrush(COLOR_3DLIGHT));
    }
  } else if (cell == hot_) {
    if (pressed_) {
      Draw3dRect(dc, rect, shadow, highlight);
    } else {
      Draw3dRect(dc, rect, highlight, shadow);
    }
  }
}

}  // namespace qiv
