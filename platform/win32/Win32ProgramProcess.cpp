// The program's own process and the session's named mutexes, through kernel32.
#include "platform/win32/Win32ProgramProcess.h"

#include <windows.h>

#include "framework/UniqueHandle.h"

namespace qiv {

std::uint32_t Win32ProgramProcess::OwnProcessId() { return ::GetCurrentProcessId(); }

bool Win32ProgramProcess::NamedMutexExists(const std::string& name) {
  const UniqueKernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, name.c_str()));
  return mutex.IsValid();
}

}  // namespace qiv
