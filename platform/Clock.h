// Time as the engine sees it: the system's millisecond tick count and sleeping.
#pragma once

#include <cstdint>

namespace qiv {

class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since the system started; wraps after 49.7 days, so compare differences only.
  virtual std::uint32_t TickCount() = 0;
  // 0 only gives the rest of the time slice to other threads.
  virtual void Sleep(std::uint32_t ms) = 0;
};

}  // namespace qiv
