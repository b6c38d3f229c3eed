// Qiv.exe as the tests drive it: start, find its panel and message boxes, close it.
#pragma once

#include "tests/e2e/harness/ChildProcess.h"

#include <string>

namespace qiv::e2e {

constexpr const char* kMessageBoxCaption = "Qiv";  // the executable's base name

class QivProcess {
 public:
  QivProcess() = default;
  // Ends the program through its close command when it still runs, and only then by force:
  // Wine keeps the global hooks of a process that was terminated, and they would report
  // every key a second time to the next instance.
  ~QivProcess();
  QivProcess(const QivProcess&) = delete;
  QivProcess& operator=(const QivProcess&) = delete;

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
