// A process started by a test; ended when the object goes.
#include "tests/e2e/harness/ChildProcess.h"

#include <vector>

namespace qiv::e2e {

ChildProcess::~ChildProcess() { End(); }

bool ChildProcess::Start(const std::string& program, const std::string& arguments) {
  End();
  std::string commandLine = "\"" + program + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  return ::CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info_) != FALSE;
}

bool ChildProcess::IsRunning() const {
  return info_.hProcess != nullptr && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(unsigned timeoutMs) {
  return info_.hProcess == nullptr || ::WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess != nullptr) ::GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void ChildProcess::End() {
  if (info_.hProcess != nullptr) {
    if (IsRunning()) {
      ::TerminateProcess(info_.hProcess, 1);
      ::WaitForSingleObject(info_.hProcess, 5000);
    }
    ::CloseHandle(info_.hProcess);
  }
  if (info_.hThread != nullptr) ::CloseHandle(info_.hThread);
  info_ = {};
}

std::string BinaryDirectory() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path, length);
  return directory.substr(0, directory.find_last_of("\\/") + 1);
}

}  // namespace qiv::e2e
