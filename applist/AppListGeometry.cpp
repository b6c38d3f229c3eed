// The application list's size and place beside a screen button.
#include "applist/AppListGeometry.h"

#include <algorithm>

namespace qiv {
namespace {

Point PlaceBesidePanel(const Rect& area, const Rect& panel, const Rect& button, int width, int height) {
  if (button.bottom == panel.bottom && panel.bottom + height < area.bottom) return {button.left, button.bottom};
  if (button.top == panel.top && panel.top - height > area.top) return {button.left, button.top - height};
  if (button.right == panel.right && panel.right + width < area.right) return {button.right, button.top};
  if (button.left == panel.left && panel.left - width > area.left) return {button.left - width, button.top};

  // The side with the most room; on a tie the earlier side keeps it.
  const Point below{button.left, panel.bottom};
  const Point above{button.left, panel.top - height};
  const Point left{panel.left - width, button.top};
  const Point right{panel.right, button.top};
  const struct {
    int space;
    Point corner;
  } sides[] = {
      {area.bottom - panel.bottom, below},
      {panel.top - area.top, above},
      {panel.left - area.left, left},
      {area.right - panel.right, right},
  };
  int bestSpace = 0;
  Point best{0, 0};
  for (const auto& side : sides) {
    if (side.space > bestSpace) {
      bestSpace = side.space;
      best = side.corner;
    }
  }
  return best;
}

}  // namespace

int AppListVisibleRows(int itemCount) { return std::clamp(itemCount, 0, kMaxVisibleAppListRows); }

int AppListColumnWidth(const std::vector<int>& itemWidths, int maxColumnWidth) {
  int widest = 0;
  for (int width : itemWidths) widest = std::max(widest, width);
  return std::min(widest, maxColumnWidth);
}

Point PlaceAppList(const Rect& workArea, const Rect& panel, const Rect& button, int width, int height) {
  Point corner = PlaceBesidePanel(workArea, panel, button, width, height);
  if (corner.x + width > workArea.right) {
    corner.x = button.right - width;
    if (corner.x < workArea.left) corner.x = workArea.left;
  }
  if (corner.y + height > workArea.bottom) {
    corner.y = button.bottom - height;
    if (corner.y < workArea.top) corner.y = workArea.top;
  }
  return corner;
}

}  // namespace qiv
