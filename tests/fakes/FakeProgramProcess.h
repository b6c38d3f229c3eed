// The program's own process for tests, and the named mutexes other processes may have made.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "platform/ProgramProcess.h"

namespace qiv {

class FakeProgramProcess final : public ProgramProcess {
 public:
  explicit FakeProgramProcess(std::uint32_t ownProcessId) : ownProcessId_(ownProcessId) {}

  std::uint32_t OwnProcessId() override { return ownProcessId_; }
  bool NamedMutexExists(const std::string& name) override { return mutexes_.count(name) != 0; }

  void AddMutex(const std::string& name) { mutexes_.insert(name); }
  void RemoveMutex(const std::string& name) { mutexes_.erase(name); }

 private:
  std::uint32_t ownProcessId_;
  std::set<std::string> mutexes_;
};

}  // namespace qiv
