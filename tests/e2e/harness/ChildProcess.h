// A process started by a test; ended when the object goes, also when the test fails.
#pragma once

#include <windows.h>

#include <string>

namespace qiv::e2e {

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts program with the given arguments (the program path is quoted for the command line).
  bool Start(const std::string& program, const std::string& arguments = {});

  bool IsRunning() const;
  // Waits up to timeoutMs for the process to end; true if it has ended.
  bool WaitForExit(unsigned timeoutMs);
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }

  // Terminates the process if it still runs and waits for it.
  void End();

 private:
  PROCESS_INFORMATION info_ = {};
};

// The folder of the running test program, with a trailing backslash; Qiv.exe,
// Qivhook.dll and the helper program are built beside it.
std::string BinaryDirectory();

}  // namespace qiv::e2e
