// The owned windows that were taken off the desktop together with their owner.
#include "engine/OwnedWindowsMap.h"

#include <utility>

namespace qiv {

bool OwnedWindowsMap::HasList(WindowHandle owner) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  return lists_.count(owner) != 0;
}

void OwnedWindowsMap::Append(WindowHandle owner, WindowHandle owned) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  lists_[owner].push_back(owned);
}

std::vector<WindowHandle> OwnedWindowsMap::Take(WindowHandle owner) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  const auto found = lists_.find(owner);
  if (found == lists_.end()) return {};
  std::vector<WindowHandle> owned = std::move(found->second);
  lists_.erase(found);
  return owned;
}

}  // namespace qiv
