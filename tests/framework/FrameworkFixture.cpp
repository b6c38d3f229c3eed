// The fixture of every framework test.
#include "tests/framework/FrameworkFixture.h"

#include <commctrl.h>

#include "tests/e2e/harness/Wait.h"

namespace qiv::test {

void FrameworkTest::SetUp() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&controls);
  host_ = std::make_unique<TestWindow>("host");
  ASSERT_TRUE(host_->Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  ::SetForegroundWindow(host_->Handle());
  ClearMessageLog();
}

void FrameworkTest::TearDown() {
  host_.reset();
  // Nothing a test posted may run in the next one.
  PumpUntil([] { return false; }, 50);
}

bool PumpUntil(const std::function<bool()>& condition, unsigned timeoutMs) {
  return e2e::PollUntil(condition, timeoutMs);
}

}  // namespace qiv::test
