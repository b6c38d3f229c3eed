// The test's side of the helper program: start it and ask it for windows.
#pragma once

#include "tests/e2e/harness/ChildProcess.h"

#include <gtest/gtest.h>

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
  // Focuses window from the helper's process until it is the foreground window, as it would be when
  // the user types into an application.
  ::testing::AssertionResult BringToForeground(HWND window);
  // How many WM_KEYDOWN / WM_SYSKEYDOWN of key a window of the helper has received.
  LRESULT KeyDownCount(HWND window, WPARAM key);
  // The performance counter at the window's last key-down of key; 0 before the first.
  LONGLONG LastKeyDownTicks(HWND window, WPARAM key);
  DWORD ProcessId() const { return process_.Id(); }

 private:
  bool WaitForControlWindow(unsigned timeoutMs);
  ChildProcess process_;
  HWND control_ = nullptr;
};

}  // namespace qiv::e2e
