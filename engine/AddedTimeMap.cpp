// When each window was last added to a screen.
#include "engine/AddedTimeMap.h"

#include <iterator>

namespace qiv {
namespace {

constexpr std::uint32_t kRecentMs = 2000;

}  // namespace

void AddedTimeMap::Record(WindowHandle window) { addedAt_[window] = clock_.TickCount(); }

bool AddedTimeMap::WasRecentlyAdded(WindowHandle window) {
  const auto found = addedAt_.find(window);
  if (found == addedAt_.end() || !IsRecent(found->second)) return false;
  addedAt_.erase(found);
  return true;
}

void AddedTimeMap::PurgeAddedTimes() {
  for (auto it = addedAt_.begin(); it != addedAt_.end();) {
    it = IsRecent(it->second) ? std::next(it) : addedAt_.erase(it);
  }
}

// The unsigned difference stays right across the wrap of the tick count.
bool AddedTimeMap::IsRecent(std::uint32_t addedAt) const {
  return static_cast<std::uint32_t>(clock_.TickCount() - addedAt) <= kRecentMs;
}

}  // namespace qiv
