// Bounded polls for the end-to-end tests.
#include "tests/e2e/harness/Wait.h"

#include <windows.h>

namespace qiv::e2e {
namespace {

constexpr DWORD kPollStepMs = 10;

// Pumps this thread's own messages while waiting, so windows of the test program answer.
void PumpAndPause() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollStepMs, QS_ALLINPUT);
}

}  // namespace

bool PollUntil(const std::function<bool()>& condition, unsigned timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() >= deadline) return false;
    PumpAndPause();
  }
}

::testing::AssertionResult Eventually(const std::string& what, const std::function<bool()>& condition,
                                      unsigned timeoutMs) {
  if (PollUntil(condition, timeoutMs)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "timed out after " << timeoutMs << " ms waiting for: " << what;
}

::testing::AssertionResult Throughout(const std::string& what, const std::function<bool()>& condition,
                                      unsigned periodMs) {
  const ULONGLONG deadline = ::GetTickCount64() + periodMs;
  while (::GetTickCount64() < deadline) {
    if (!condition()) return ::testing::AssertionFailure() << "stopped holding: " << what;
    PumpAndPause();
  }
  return ::testing::AssertionSuccess();
}

}  // namespace qiv::e2e
