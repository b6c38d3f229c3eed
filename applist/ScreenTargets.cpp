// Which screen the application list goes to, and the drag cursor.
#include "applist/ScreenTargets.h"

#include "resources/resource.h"

namespace qiv {

int NeighbourScreen(int listedScreen, int screenCount, int step) {
  if (screenCount <= 0) return 0;
  const int target = (listedScreen + step) % screenCount;
  return target < 0 ? target + screenCount : target;
}

int DropTargetScreen(int nearestButton, int screenCount, int listedScreen) {
  if (nearestButton < 0 || nearestButton >= screenCount || nearestButton == listedScreen) return -1;
  return nearestButton;
}

int DragCursorId(bool overScreenButtons, int windowCount, bool ctrlDown) {
  if (!overScreenButtons) return IDCUR_NO_DROP;
  if (windowCount > 1) return ctrlDown ? IDCUR_DRAG_COPY_MANY : IDCUR_DRAG_MOVE_MANY;
  return ctrlDown ? IDCUR_DRAG_COPY : IDCUR_DRAG_MOVE;
}

}  // namespace qiv
