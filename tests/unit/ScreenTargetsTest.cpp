// The screens the application list walks to and drops on, and the drag cursor.
#include "applist/ScreenTargets.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

namespace qiv {
namespace {

TEST(AppListArrowKeys, WrapAroundAtBothEnds) {
  EXPECT_EQ(NeighbourScreen(3, 4, +1), 0);
  EXPECT_EQ(NeighbourScreen(0, 4, -1), 3);
  EXPECT_EQ(NeighbourScreen(1, 4, +1), 2);
  EXPECT_EQ(NeighbourScreen(2, 4, -1), 1);
  EXPECT_EQ(NeighbourScreen(0, 1, -1), 0);
}

TEST(AppListDrop, TargetIsTheNearestButtonOfAnotherScreen) {
  EXPECT_EQ(DropTargetScreen(2, 5, 0), 2);
  EXPECT_EQ(DropTargetScreen(0, 5, 3), 0);
  // The listed screen's own button, and answers outside the buttons, change nothing.
  EXPECT_EQ(DropTargetScreen(3, 5, 3), -1);
  EXPECT_EQ(DropTargetScreen(5, 5, 0), -1);
  EXPECT_EQ(DropTargetScreen(0xFFFF, 5, 0), -1);
  EXPECT_EQ(DropTargetScreen(-1, 5, 0), -1);
}

TEST(AppListDrop, CursorTellsMoveOrCopyOfOneOrSeveralWindows) {
  const struct {
    bool overButtons;
    int windows;
    bool ctrl;
    int cursor;
  } cases[] = {
      {false, 1, false, IDCUR_NO_DROP}, {false, 3, true, IDCUR_NO_DROP},        {true, 1, false, IDCUR_DRAG_MOVE},
      {true, 1, true, IDCUR_DRAG_COPY}, {true, 3, false, IDCUR_DRAG_MOVE_MANY}, {true, 3, true, IDCUR_DRAG_COPY_MANY},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DragCursorId(c.overButtons, c.windows, c.ctrl), c.cursor)
        << "over buttons " << c.overButtons << ", " << c.windows << " windows, ctrl " << c.ctrl;
  }
}

}  // namespace
}  // namespace qiv
