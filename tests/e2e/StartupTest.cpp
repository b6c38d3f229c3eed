// Qiv.exe starts under Wine, shows its panel, and ends through its close command.
#include "tests/e2e/harness/QivTest.h"

namespace qiv::e2e {
namespace {

using Startup = QivTest;

TEST_F(Startup, PanelAppearsAndCloseCommandEndsTheProgram) {
  ASSERT_TRUE(qiv_.Start());
  HWND panel = qiv_.WaitForPanel();
  ASSERT_NE(panel, nullptr) << "no panel window of Qiv.exe appeared";
  EXPECT_TRUE(::IsWindowVisible(panel));
  EXPECT_TRUE(qiv_.Close()) << "Qiv.exe did not end after the close command was confirmed";
  EXPECT_EQ(qiv_.Process().ExitCode(), 0u);
}

}  // namespace
}  // namespace qiv::e2e
