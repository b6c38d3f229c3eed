// Short-lived worker threads for calls that may block on another application.
#pragma once

#include <cstdint>
#include <functional>

namespace qiv {

class WorkerThreads {
 public:
  virtual ~WorkerThreads() = default;

  // Runs job on a new thread with a 4096-byte stack at the highest normal priority and waits at most timeoutMs
  // for it. True when it ended in that time; a job that did not goes on by itself, and everything it uses must
  // outlive it. A job whose thread cannot be started never runs.
  virtual bool Run(std::function<void()> job, std::uint32_t timeoutMs) = 0;
};

}  // namespace qiv
