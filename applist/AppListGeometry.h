// The application list's size and place: how many rows it shows, how wide its column gets, and where it opens
// beside a screen button without leaving the work area.
#pragma once

#include <vector>

#include "platform/Desktop.h"

namespace qiv {

// More rows scroll.
constexpr int kMaxVisibleAppListRows = 10;

int AppListVisibleRows(int itemCount);
// The widest item, but never wider than maxColumnWidth.
int AppListColumnWidth(const std::vector<int>& itemWidths, int maxColumnWidth);
// The top-left corner for a list of width x height beside button (a button of panel, all in screen coordinates):
// on the panel's edge the button lies on where the list fits, else on the panel's side with the most room, then
// moved back into the work area.
Point PlaceAppList(const Rect& workArea, const Rect& panel, const Rect& button, int width, int height);

}  // namespace qiv
