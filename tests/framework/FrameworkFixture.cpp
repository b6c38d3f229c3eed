// The fixture of every framework test.
#include "tests/framework/FrameworkFixture.h"

#include <commctrl.h>

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
  // Nothing a test left in the queue may run in the next one.
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

}  // namespace qiv::test
