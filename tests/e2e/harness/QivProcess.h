// Qiv.exe as the tests drive it: start, find its panel and message boxes, close it.
#pragma once

#include "tests/e2e/harness/ChildProcess.h"

#include <string>

namespace qiv::e2e {

constexpr const char* kMessageBoxCaption = "Qiv";  // the executable's base name

class QivProcess {
 public:
  bool Start(const std::string& arguments = {});
  // Starts a copy of Qiv.exe (with Qivhook.dll beside it) from another folder.
  bool StartFrom(const std::string& executable, const std::string& arguments = {});

  // The panel: the dialog window of the process that holds the screen-button list box.
  HWND Panel() const;
  // Waits for the panel to be shown; null on time-out.
  HWND WaitForPanel();
  // Waits for a message box of Qiv whose text contains textPart; null on time-out.
  HWND WaitForMessageBox(const std::string& textPart);

  // The close command, answered with Yes; true if the process ended.
  bool Close();

  ChildProcess& Process() { return process_; }
  DWORD Id() const { return process_.Id(); }

 private:
  ChildProcess process_;
};

}  // namespace qiv::e2e
