// The windows that the program has taken off the desktop and not yet brought back, whatever they look like now,
// kept in step with the journal that outlives the program.
#pragma once

#include <unordered_set>
#include <vector>

#include "platform/OffDesktopJournal.h"
#include "platform/WindowHandle.h"

namespace qiv {

// Used by the user-interface thread only.
class OffDesktopWindows {
 public:
  explicit OffDesktopWindows(OffDesktopJournal& journal) : journal_(journal) {}
  OffDesktopWindows(const OffDesktopWindows&) = delete;
  OffDesktopWindows& operator=(const OffDesktopWindows&) = delete;

  void Add(WindowHandle window);
  void Remove(WindowHandle window);
  // A hide that the window's thread has not applied yet leaves it visible, and still taken off by us.
  bool Contains(WindowHandle window) const { return windows_.count(window) != 0; }
  std::vector<WindowHandle> Windows() const { return {windows_.begin(), windows_.end()}; }

 private:
  OffDesktopJournal& journal_;
  std::unordered_set<WindowHandle> windows_;
};

}  // namespace qiv
