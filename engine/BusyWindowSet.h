// The windows that a worker thread is moving right now, and the responsiveness test that respects them.
#pragma once

#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/Desktop.h"
#include "platform/WindowHandle.h"

namespace qiv {

// The probe's answers by thread, for one pass over the desktop. A thread answers for all of its windows: one that
// answered moments ago answers for its other windows too, and a hung program with many windows then costs one
// wait of 200 ms in a pass instead of one per window, during which the panel answers nothing, hot keys included.
using ThreadProbeAnswers = std::unordered_map<std::uint32_t, bool>;

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

  // True when a worker is moving the window or it does not answer within 200 ms. A thread that did not answer
  // the last time gets a short probe instead, until it answers one: a program hung for good would otherwise cost
  // the whole time-out in every pass, every switch and every tick. The busy lock stays held during the probe, so
  // a worker that wants to enter or leave waits for at most that long. With answers, a window whose thread was
  // probed in the same pass is not probed again; thread: the window's thread when the caller knows it already,
  // 0 to ask the desktop.
  bool IsWindowHung(WindowHandle window, ThreadProbeAnswers* answers = nullptr, std::uint32_t thread = 0);

 private:
  bool Probe(WindowHandle window, std::uint32_t thread);

  Desktop& desktop_;
  std::mutex lock_;
  std::vector<WindowHandle> windows_;
  // The threads that did not answer their last probe, with the window it was sent to: the entries of programs
  // that ended are dropped by that window.
  std::unordered_map<std::uint32_t, WindowHandle> silentThreads_;
};

}  // namespace qiv
