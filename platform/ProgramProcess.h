// What the engine asks about the program's own process and the named objects of the session.
#pragma once

#include <cstdint>
#include <string>

namespace qiv {

class ProgramProcess {
 public:
  virtual ~ProgramProcess() = default;

  virtual std::uint32_t OwnProcessId() = 0;
  // Only looks: opens the mutex with the least access and closes it at once.
  virtual bool NamedMutexExists(const std::string& name) = 0;
};

}  // namespace qiv
