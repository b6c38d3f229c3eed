// The program's own process and the session's named mutexes, through kernel32.
#pragma once

#include "platform/ProgramProcess.h"

namespace qiv {

class Win32ProgramProcess final : public ProgramProcess {
 public:
  std::uint32_t OwnProcessId() override;
  bool NamedMutexExists(const std::string& name) override;
};

}  // namespace qiv
