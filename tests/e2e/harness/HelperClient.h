// The test's side of the helper program: start it and ask it for windows.
#pragma once

#include "tests/e2e/harness/ChildProcess.h"

#include <string>

namespace qiv::e2e {

class HelperClient {
 public:
  // Starts E2EHelper.exe and waits for its control window.
  bool Start();
  // Sends a command of the helper protocol; 0 on failure.
  LRESULT Command(const std::string& command);
  // Opens a window ("open|" + fields) and returns it, or null.
  HWND Open(const std::string& fields);
  bool Focus(HWND window);
  DWORD ProcessId() const { return process_.Id(); }

 private:
  ChildProcess process_;
  HWND control_ = nullptr;
};

}  // namespace qiv::e2e
