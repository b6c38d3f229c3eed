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
    : whenShown_(std::move(whenShown)), thread_([this, timeoutMs] { Watch(timeoutMs); }) {}

MessageBoxCloser::~MessageBoxCloser() {
  stop_ = true;
  thread_.join();
}

std::vector<std::string> MessageBoxCloser::Texts() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void MessageBoxCloser::Watch(unsigned timeoutMs) {
  const std::string caption = ProgramName();
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
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
