// Which screen the application list goes to: the neighbour its arrow keys walk to, the screen a drag drops its
// windows on, and the cursor that shows the drag's effect.
#pragma once

namespace qiv {

// step -1 (Left) or +1 (Right), wrapping around at both ends.
int NeighbourScreen(int listedScreen, int screenCount, int step);

// nearestButton: the low word of LB_ITEMFROMPOINT, the button under the point or the nearest one when the
// point is on an empty part of the list box. -1 when the drop changes nothing: no such screen, or the listed
// one itself.
int DropTargetScreen(int nearestButton, int screenCount, int listedScreen);

// The cursor resource for a drag of windowCount windows.
int DragCursorId(bool overScreenButtons, int windowCount, bool ctrlDown);

}  // namespace qiv
