// The windows of one screen.
#include "engine/ScreenWindows.h"

#include <algorithm>

#include "engine/SwitchEngine.h"

namespace qiv {

ScreenWindows::ScreenWindows(SwitchEngine& engine, AddedTimeMap& addedTimes, int index)
    : engine_(engine), addedTimes_(addedTimes), index_(index) {}

ScreenWindows::~ScreenWindows() { engine_.ShowScreenWindows(*this); }

bool ScreenWindows::Contains(WindowHandle window) const {
  return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void ScreenWindows::Add(WindowHandle window) {
  if (Contains(window)) return;
  windows_.push_back(window);
  addedTimes_.Record(window);
}

void ScreenWindows::Remove(WindowHandle window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

}  // namespace qiv
