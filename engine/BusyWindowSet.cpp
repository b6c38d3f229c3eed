// The windows that a worker thread is moving right now.
#include "engine/BusyWindowSet.h"

#include <algorithm>

namespace qiv {
namespace {

constexpr std::uint32_t kProbeTimeoutMs = 200;

}  // namespace

void BusyWindowSet::Add(WindowHandle window) {
  std::lock_guard<std::mutex> hold(lock_);
  windows_.push_back(window);
}

void BusyWindowSet::Remove(WindowHandle window) {
  std::lock_guard<std::mutex> hold(lock_);
  const auto found = std::find(windows_.begin(), windows_.end(), window);
  if (found != windows_.end()) windows_.erase(found);
}

bool BusyWindowSet::IsWindowHung(WindowHandle window, ThreadProbeAnswers* answers, std::uint32_t thread) {
  std::lock_guard<std::mutex> hold(lock_);
  if (std::find(windows_.begin(), windows_.end(), window) != windows_.end()) return true;
  if (answers == nullptr) {
    thread = 0;
  } else if (thread == 0) {
    thread = desktop_.Creator(window).threadId;
  }
  if (thread != 0) {
    const auto known = answers->find(thread);
    if (known != answers->end()) return !known->second;
  }
  const bool responds = desktop_.RespondsWithin(window, kProbeTimeoutMs);
  if (thread != 0) answers->emplace(thread, responds);
  return !responds;
}

}  // namespace qiv
