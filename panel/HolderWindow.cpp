// The hidden window, in a thread of its own, that Explorer windows are parked in.
#include "panel/HolderWindow.h"

#include "resources/resource.h"
#include "shell/WindowGeometry.h"

namespace qiv {
namespace {

// How long the holder thread gets to end when it is stopped from its destructor.
constexpr DWORD kDestructorStopMs = 2000;

}  // namespace

QIV_BEGIN_MESSAGE_MAP(HolderWindow, Dialog)
  QIV_ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
QIV_END_MESSAGE_MAP()

HolderWindow::HolderWindow(HANDLE startedEvent, HWND* publishedWindow)
    : Dialog(IDD_HOLDER), startedEvent_(startedEvent), publishedWindow_(publishedWindow) {}

bool HolderWindow::OnInitDialog() {
  Dialog::OnInitDialog();
  ::SetForegroundWindow(Handle());
  ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
  MakeToolWindow(Handle());
  MoveOutOfSight();
  // Never to be activated again: it is the top-most window, and activating it would also set the focus into a parked
  // window of another program, waiting for that program while the program waits for a parent change of ours. When
  // the foreground window goes (the program killed, say), the system would otherwise pick this one.
  ::EnableWindow(Handle(), FALSE);
  *publishedWindow_ = Handle();
  ::SetEvent(startedEvent_);
  return true;
}

void HolderWindow::MoveOutOfSight() {
  const RECT workArea = WorkArea();
  const RECT everyMonitor = VirtualScreen();
  ::MoveWindow(Handle(), everyMonitor.right, everyMonitor.bottom, workArea.right - workArea.left,
               workArea.bottom - workArea.top, TRUE);
}

LRESULT HolderWindow::OnDisplayChange(WPARAM, LPARAM) {
  MoveOutOfSight();
  return NotHandled();
}

void HolderWindow::OnCancel() { EndDialog(IDCANCEL); }

void HolderWindow::OnOK() {}

HolderThread::~HolderThread() { Stop(kDestructorStopMs); }

HWND HolderThread::Start() {
  startedEvent_ = UniqueKernelHandle(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!startedEvent_) return nullptr;
  thread_ = UniqueKernelHandle(::CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr));
  if (!thread_) return nullptr;
  // The thread signals once the window exists, or once it has given up creating it.
  ::WaitForSingleObject(startedEvent_.Get(), INFINITE);
  return window_;
}

bool HolderThread::Stop(DWORD timeoutMs) {
  if (!thread_) return true;
  if (window_ != nullptr) ::PostMessageA(window_, WM_CLOSE, 0, 0);
  // A thread that does not end in time is left to the end of the process; it touches nothing of ours but its
  // own window.
  const bool ended = ::WaitForSingleObject(thread_.Get(), timeoutMs) == WAIT_OBJECT_0;
  thread_.Reset();
  window_ = nullptr;
  return ended;
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
