// The start-up picture window.
#include "controls/SplashWindow.h"

#include <new>

#include "controls/CentreOnDesktop.h"
#include "framework/GdiObjects.h"
#include "framework/PaintScope.h"
#include "framework/SelectGuard.h"
#include "resources/resource.h"

namespace qiv {
namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kShowMilliseconds = 3000;

}  // namespace

QIV_BEGIN_MESSAGE_MAP(SplashWindow, Dialog)
  QIV_ON_MESSAGE(WM_PAINT, OnPaint)
  QIV_ON_MESSAGE(WM_TIMER, OnTimer)
QIV_END_MESSAGE_MAP()

// The picture stays for its time whatever keys reach it.
SplashWindow::SplashWindow() : Dialog(IDD_SPLASH, OkCancel::Ignored) {}

void SplashWindow::Open() {
  auto* splash = new (std::nothrow) SplashWindow;
  if (!splash) return;
  splash->opening_ = true;
  const bool created = splash->Create(nullptr);
  splash->opening_ = false;
  if (!created) {
    delete splash;
    return;
  }
  ::ShowWindow(splash->Handle(), SW_SHOW);
}

bool SplashWindow::OnInitDialog() {
  Dialog::OnInitDialog();
  if (!picture_.Load(IDR_PICTURE)) {
    // Destroyed before the dialog manager shows it.
    ::DestroyWindow(Handle());
    return false;
  }
  const GifPicture& picture = picture_.Picture();
  ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, picture.Width(), picture.Height(), SWP_NOMOVE | SWP_NOACTIVATE);
  CentreOnDesktop(Handle());
  UniqueRegion outline = picture_.FrameRegion(0, 0, 0);
  // The system owns a window region from a successful SetWindowRgn on; after a failed one it is still ours.
  if (outline && ::SetWindowRgn(Handle(), outline.Get(), TRUE)) outline.Release();
  ::SetTimer(Handle(), kCloseTimer, kShowMilliseconds, nullptr);
  return true;
}

void SplashWindow::OnFinalMessage() {
  // A window destroyed during its creation leaves the object to Open: the creation call still looks at it
  // afterwards (and Wine even answers the dead window's handle).
  if (!opening_) delete this;
}

LRESULT SplashWindow::OnPaint(WPARAM, LPARAM) {
  PaintScope paint(Handle());
  const int width = picture_.Picture().Width();
  const int height = picture_.Picture().Height();
  // Drawn pixel by pixel off screen and copied in one go, so that no partial picture is ever seen.
  UniqueMemoryDc memory = MakeMemoryDc(nullptr);
  UniqueBitmap bitmap = MakeCompatibleBitmap(paint.Dc(), width, height);
  if (!memory || !bitmap) return 0;
  SelectGuard select(memory.Get(), bitmap.Get());
  picture_.DrawFrame(memory.Get(), 0, 0, 0, 0);
  ::BitBlt(paint.Dc(), 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
  return 0;
}

LRESULT SplashWindow::OnTimer(WPARAM, LPARAM) {
  // The object is deleted inside this call.
  ::DestroyWindow(Handle());
  return 0;
}

}  // namespace qiv
