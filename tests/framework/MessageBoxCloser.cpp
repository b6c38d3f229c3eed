// Answers the message boxes that the code under test opens on the test's thread.
#include "tests/framework/MessageBoxCloser.h"

#include "framework/Program.h"
#include "tests/e2e/harness/WindowQueries.h"
#include "tests/framework/MessageLog.h"

namespace qiv::test {
namespace {

constexpr DWORD kPollStepMs = 10;

}  // namespace

MessageBoxCloser::MessageBoxCloser(std::function<void()> whenShown, unsigned timeoutMs)
    : whenShown_(std::move(whenShown)),
      timeoutMs_(timeoutMs),
      thread_(::CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr)) {}

MessageBoxCloser::~MessageBoxCloser() {
  stop_ = true;
  if (!thread_) return;
  const HANDLE thread = thread_.Get();
  while (::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

DWORD WINAPI MessageBoxCloser::ThreadProc(void* closer) {
  static_cast<MessageBoxCloser*>(closer)->Watch();
  return 0;
}

std::vector<std::string> MessageBoxCloser::Texts() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void MessageBoxCloser::Watch() {
  const std::string caption = ProgramName();
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs_;
  while (!stop_ && ::GetTickCount64() < deadline) {
    const HWND box = e2e::FindMessageBox(::GetCurrentProcessId(), caption, "");
    if (!box) {
      ::Sleep(kPollStepMs);
      continue;
    }
    LogMessage("message box", kMessageBoxShown);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      texts_.push_back(e2e::MessageBoxText(box));
    }
    if (whenShown_) whenShown_();
    e2e::PressDialogButton(box, IDOK);
    while (::IsWindow(box) && ::GetTickCount64() < deadline) ::Sleep(kPollStepMs);
  }
}

}  // namespace qiv::test
