// The grip at the panel's bottom-right corner: dragging it sizes the panel to the grid.
#include "panel/ResizerWindow.h"

#include <windowsx.h>

#include "framework/GdiObjects.h"
#include "framework/Program.h"
#include "framework/SelectGuard.h"
#include "panel/PanelMessages.h"
#include "resources/resource.h"

namespace qiv {
namespace {

constexpr int kGripSize = 14;
// The corner of the grip's L, 7 pixels inside its top-left corner, sits on the panel's corner.
constexpr LONG kAnchor = 7;
constexpr COLORREF kTransparent = RGB(255, 0, 0);

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

QIV_BEGIN_MESSAGE_MAP(ResizerWindow, Dialog)
  QIV_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
  QIV_ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
  QIV_ON_MESSAGE(WM_LBUTTONDOWN, OnLeftButtonDown)
  QIV_ON_MESSAGE(WM_LBUTTONUP, OnLeftButtonUp)
  QIV_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
QIV_END_MESSAGE_MAP()

// Enter and Escape do nothing to the grip.
ResizerWindow::ResizerWindow(ResizerOwner& owner) : Dialog(IDD_RESIZER, OkCancel::Ignored), owner_(owner) {}

POINT ResizerWindow::RequestedPanelCorner(POINT cornerInClient) {
  POINT corner = cornerInClient;
  if (corner.x == kCurrentSizeCorner.x && corner.y == kCurrentSizeCorner.y) {
    grabOffset_ = {kAnchor, kAnchor};
    corner = {kAnchor + 1, kAnchor + 1};
  }
  corner.x += kAnchor - grabOffset_.x;
  corner.y += kAnchor - grabOffset_.y;
  ::ClientToScreen(Handle(), &corner);
  return corner;
}

bool ResizerWindow::OnInitDialog() {
  const bool result = Dialog::OnInitDialog();
  CutTransparentPixels();
  return result;
}

LRESULT ResizerWindow::OnSetCursor(WPARAM, LPARAM) {
  // Handled without a change: the sizing cursor of the last mouse move stays.
  return TRUE;
}

LRESULT ResizerWindow::OnMouseMove(WPARAM, LPARAM lParam) {
  ::SetCursor(::LoadCursorA(nullptr, IDC_SIZENWSE));
  if (::GetCapture() == Handle()) owner_.FitPanelToGrid(PointOf(lParam));
  return 0;
}

LRESULT ResizerWindow::OnLeftButtonDown(WPARAM, LPARAM lParam) {
  ::SetCapture(Handle());
  grabOffset_ = PointOf(lParam);
  owner_.SetMenuOpen(true);
  return 0;
}

LRESULT ResizerWindow::OnLeftButtonUp(WPARAM, LPARAM) {
  if (::GetCapture() != Handle()) return 0;
  ::ReleaseCapture();
  ::PostMessageA(owner_.PanelWindowHandle(), WM_SAVE_PANEL_POS, 0, 0);
  owner_.SetMenuOpen(false);
  return 0;
}

LRESULT ResizerWindow::OnCaptureChanged(WPARAM, LPARAM) {
  // A drag that lost the mouse (Alt+Tab, a message box) ends without a button release: without this the
  // panel would never hide again.
  owner_.SetMenuOpen(false);
  return 0;
}

void ResizerWindow::CutTransparentPixels() {
  UniqueRegion region = MakeRectRegion(RECT{0, 0, kGripSize, kGripSize});
  if (!region) return;
  {
    // A DIB section keeps the picture's own colours; a device bitmap on a display of fewer bits per pixel
    // could round the red, and then nothing would be cut.
    UniqueBitmap grip(static_cast<HBITMAP>(
        ::LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(IDB_GRIP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    UniqueMemoryDc dc = MakeMemoryDc(nullptr);
    if (grip && dc) {
      SelectGuard select(dc.Get(), grip.Get());
      for (int y = 0; y < kGripSize; ++y) {
        for (int x = 0; x < kGripSize; ++x) {
          if (::GetPixel(dc.Get(), x, y) != kTransparent) continue;
          UniqueRegion pixel = MakeRectRegion(RECT{x, y, x + 1, y + 1});
          if (pixel) ::CombineRgn(region.Get(), region.Get(), pixel.Get(), RGN_DIFF);
        }
      }
    }
  }
  // The system owns a region it accepted, and deletes it with the window.
  if (::SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
}

}  // namespace qiv
