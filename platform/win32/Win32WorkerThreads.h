// Worker threads through kernel32: a small stack, the highest normal priority, a bounded wait.
#pragma once

#include "platform/WorkerThreads.h"

namespace qiv {

class Win32WorkerThreads final : public WorkerThreads {
 public:
  bool Run(std::function<void()> job, std::uint32_t timeoutMs) override;
};

}  // namespace qiv
