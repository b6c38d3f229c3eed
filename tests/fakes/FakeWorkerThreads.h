// Worker threads for tests: each job runs in place, deterministically, and counts as ended in time when it took
// no longer than the wait on the fake clock. Held jobs wait for the test, as threads still busy after the wait.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/WorkerThreads.h"
#include "tests/fakes/FakeClock.h"

namespace qiv {

class FakeWorkerThreads final : public WorkerThreads {
 public:
  explicit FakeWorkerThreads(FakeClock& clock) : clock_(clock) {}

  bool Run(std::function<void()> job, std::uint32_t timeoutMs) override {
    ++started_;
    if (timeoutMs > longestWaitMs_) longestWaitMs_ = timeoutMs;
    if (holding_) {
      held_.push_back(std::move(job));
      return false;
    }
    const std::uint32_t start = clock_.TickCount();
    job();
    return clock_.TickCount() - start <= timeoutMs;
  }

  void SetHolding(bool holding) { holding_ = holding; }
  void RunHeldJobs() {
    std::vector<std::function<void()>> jobs = std::move(held_);
    held_.clear();
    for (std::function<void()>& job : jobs) job();
  }

  int Started() const { return started_; }
  std::uint32_t LongestWaitMs() const { return longestWaitMs_; }

 private:
  FakeClock& clock_;
  bool holding_ = false;
  std::vector<std::function<void()>> held_;
  int started_ = 0;
  std::uint32_t longestWaitMs_ = 0;
};

}  // namespace qiv
