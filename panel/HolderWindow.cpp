// The hidden window, in a thread of its own, that Explorer windows are parked in.
#include "panel/HolderWindow.h"

#include "resources/resource.h"

namespace qiv {
namespace {

// Far outside any visible desktop.
constexpr int kParkingX = 3000;
constexpr int kParkingY = 3000;

}  // namespace

HolderWindow::HolderWindow(HANDLE startedEvent, HWND* publishedWindow)
    : Dialog(IDD_HOLDER), startedEvent_(startedEvent), publishedWindow_(publishedWindow) {}

bool HolderWindow::OnInitDialog() {
  Dialog::OnInitDialog();
  ::SetForegroundWindow(Handle());
  ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
  RECT workArea = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  const LONG exStyle = ::GetWindowLongA(Handle(), GWL_EXSTYLE);
  ::SetWindowLongA(Handle(), GWL_EXSTYLE, (exStyle | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW);
  ::MoveWindow(Handle(), kParkingX, kParkingY, workArea.right - workArea.left, workArea.bottom - workArea.top, TRUE);
  *publishedWindow_ = Handle();
  ::SetEvent(startedEvent_);
  return true;
}

void HolderWindow::OnCancel() { EndDialog(IDCANCEL); }

void HolderWindow::OnOK() {}

HolderThread::~HolderThread() { Stop(); }

HWND HolderThread::Start() {
  startedEvent_ = UniqueKernelHandle(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!startedEvent_) return nullptr;
  thread_ = UniqueKernelHandle(::CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
  if (!thread_) return nullptr;
  // The thread signals once the window exists, or once it has given up creating it.
  ::WaitForSingleObject(startedEvent_.Get(), INFINITE);
  return window_;
}

void HolderThread::Stop() {
  if (!thread_) return;
  if (window_ != nullptr) ::PostMessageA(window_, WM_CLOSE, 0, 0);
  ::WaitForSingleObject(thread_.Get(), INFINITE);
  thread_.Reset();
  window_ = nullptr;
}

DWORD WINAPI HolderThread::ThreadMain(LPVOID parameter) {
  auto* self = static_cast<HolderThread*>(parameter);
  HolderWindow holder(self->startedEvent_.Get(), &self->window_);
  holder.DoModal(nullptr);
  // A dialog that could not be created never signalled: release the waiting panel anyway.
  ::SetEvent(self->startedEvent_.Get());
  return 0;
}

}  // namespace qiv
