// The order in which a switch changes the desktop: the coming screen's windows appear in one batch before the
// leaving screen's go, so that the desktop is never bare, and the top window is activated only after both.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/EngineTestBed.h"

namespace qiv {
namespace {

using Log = std::vector<std::string>;

class SwitchOrderTest : public EngineTestBed {
 protected:
  SwitchOrderTest() { UseScreens(3); }

  WindowHandle AddNamed(const std::string& text) {
    FakeDesktop::Window window;
    window.text = text;
    return AddWindow(window);
  }
};

TEST_F(SwitchOrderTest, ShowsComeInOneBatchBeforeTheHidesAndTheActivationComesLast) {
  const WindowHandle a1 = AddNamed("A1");
  const WindowHandle a2 = AddNamed("A2");
  const WindowHandle b1 = AddNamed("B1");
  const WindowHandle b2 = AddNamed("B2");
  Place(1, {b1, b2});
  Place(0, {a1, a2});
  desktop_.ClearCallLog();
  Switch(1);
  EXPECT_EQ(desktop_.CallLog(), (Log{"batch sent", "show B2", "show B1", "hide A1", "hide A2", "foreground B2"}));
}

TEST_F(SwitchOrderTest, AnEmptyScreenOnlyHidesAndActivatesNothing) {
  const WindowHandle a = AddNamed("A");
  Place(0, {a});
  desktop_.ClearCallLog();
  Switch(2);
  EXPECT_EQ(desktop_.CallLog(), (Log{"batch sent", "hide A"}));
}

TEST_F(SwitchOrderTest, AHungWindowAppearsOnceItAnswersAndIsNeverActivated) {
  const WindowHandle a = AddNamed("A");
  const WindowHandle b = AddNamed("B");
  const WindowHandle hung = AddNamed("Hung");
  Place(1, {b, hung});
  Place(0, {a});
  desktop_[hung].hung = true;
  desktop_.ClearCallLog();
  Switch(1);
  // The answering window comes in the batch; the top one, hung, would hold the batch up and is left out of it.
  EXPECT_EQ(desktop_.CallLog(), (Log{"batch sent", "show B", "hide A"}));
  desktop_[hung].hung = false;
  desktop_.ApplyPendingRequests();
  EXPECT_EQ(desktop_.CallLog(), (Log{"batch sent", "show B", "hide A", "show Hung"}));
}

}  // namespace
}  // namespace qiv
