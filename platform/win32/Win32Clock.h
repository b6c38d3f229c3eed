// Time through kernel32: the tick count and sleeping.
#pragma once

#include "platform/Clock.h"

namespace qiv {

class Win32Clock final : public Clock {
 public:
  std::uint32_t TickCount() override;
  void Sleep(std::uint32_t ms) override;
};

}  // namespace qiv
