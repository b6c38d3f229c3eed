// A clock for tests: time moves only when someone sleeps or a fake waits, so wait schedules are checked without
// real waiting.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "platform/Clock.h"

namespace qiv {

class FakeClock final : public Clock {
 public:
  std::uint32_t TickCount() override { return now_; }
  void Sleep(std::uint32_t ms) override {
    now_ += ms;
    slept_ += ms;
    if (onSleep_) onSleep_();
  }

  void SetNow(std::uint32_t now) { now_ = now; }
  // Time that passes while the caller waits for something other than sleep (a probe that times out).
  void Advance(std::uint32_t ms) { now_ += ms; }
  // Runs after every sleep, zero-length ones included: what other threads would have done meanwhile.
  void SetOnSleep(std::function<void()> onSleep) { onSleep_ = std::move(onSleep); }
  // Milliseconds spent sleeping.
  std::uint32_t Slept() const { return slept_; }

 private:
  std::uint32_t now_ = 1000;
  std::uint32_t slept_ = 0;
  std::function<void()> onSleep_;
};

}  // namespace qiv
