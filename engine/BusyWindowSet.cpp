// The windows that a worker thread is moving right now.
#include "engine/BusyWindowSet.h"

#include <algorithm>
#include <iterator>

namespace qiv {
namespace {

constexpr std::uint32_t kProbeTimeoutMs = 200;
// Long enough for an idle thread's round trip on a busy machine, short enough to pay in every pass.
constexpr std::uint32_t kSilentThreadProbeTimeoutMs = 10;
// Past this many silent threads, those whose window is gone are forgotten.
constexpr std::size_t kSilentThreadsKept = 32;

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
  if (thread == 0) thread = desktop_.Creator(window).threadId;
  // A window that is gone has no thread: nothing to remember, and the probe fails at once.
  if (thread == 0) return !desktop_.RespondsWithin(window, kProbeTimeoutMs);
  if (answers != nullptr) {
    const auto known = answers->find(thread);
    if (known != answers->end()) return !known->second;
  }
  const bool responds = Probe(window, thread);
  if (answers != nullptr) answers->emplace(thread, responds);
  return !responds;
}

bool BusyWindowSet::Probe(WindowHandle window, std::uint32_t thread) {
  const auto silent = silentThreads_.find(thread);
  if (silent != silentThreads_.end()) {
    if (!desktop_.RespondsWithin(window, kSilentThreadProbeTimeoutMs)) return false;
    silentThreads_.erase(silent);
    return true;
  }
  if (desktop_.RespondsWithin(window, kProbeTimeoutMs)) return true;
  if (silentThreads_.size() >= kSilentThreadsKept) {
    for (auto it = silentThreads_.begin(); it != silentThreads_.end();) {
      it = desktop_.Exists(it->second) ? std::next(it) : silentThreads_.erase(it);
    }
  }
  silentThreads_[thread] = window;
  return false;
}

}  // namespace qiv
