// The windows that a worker thread is moving right now, and the responsiveness test that respects them.
#pragma once

#include <mutex>
#include <vector>

#include "platform/Desktop.h"
#include "platform/WindowHandle.h"

namespace qiv {

// Shared with the worker threads under the busy lock. The owned-windows lock may be held while taking the busy
// lock, never the reverse.
class BusyWindowSet {
 public:
  explicit BusyWindowSet(Desktop& desktop) : desktop_(desktop) {}
  BusyWindowSet(const BusyWindowSet&) = delete;
  BusyWindowSet& operator=(const BusyWindowSet&) = delete;

  void Add(WindowHandle window);
  // Removes one entry: two workers may have added the same window.
  void Remove(WindowHandle window);

  // True when a worker is moving the window or it does not answer within 200 ms. The busy lock stays held
  // during the probe, so a worker that wants to enter or leave waits for at most that long.
  bool IsWindowHung(WindowHandle window);

 private:
  Desktop& desktop_;
  std::mutex lock_;
  std::vector<WindowHandle> windows_;
};

}  // namespace qiv
