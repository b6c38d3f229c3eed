// When each window was last added to a screen, so that a window the refresh took in just before the hook
// reported it can still be sent to its own screen.
#pragma once

#include <cstdint>
#include <map>

#include "platform/Clock.h"
#include "platform/WindowHandle.h"

namespace qiv {

// Used by the user-interface thread only.
class AddedTimeMap {
 public:
  explicit AddedTimeMap(Clock& clock) : clock_(clock) {}

  // Replaces any earlier record of the window.
  void Record(WindowHandle window);
  // True, once, when the window was added at most 2000 ms ago; the answer consumes the record.
  bool WasRecentlyAdded(WindowHandle window);
  // Drops the records older than 2000 ms.
  void PurgeAddedTimes();

 private:
  bool IsRecent(std::uint32_t addedAt) const;

  Clock& clock_;
  std::map<WindowHandle, std::uint32_t> addedAt_;
};

}  // namespace qiv
