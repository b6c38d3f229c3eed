// The program's run from start to end: which run the command line asks for, the checks
// before the panel runs, and what is released after it.
#pragma once

#include <string>

#include "app/Settings.h"
#include "platform/Registry.h"
#include "platform/win32/Win32IconSource.h"

namespace qiv {

class QivApplication {
 public:
  QivApplication(Registry& registry, Settings& settings, Win32IconSource& icons);

  // The whole run; answers the process exit code.
  int Run(const std::string& commandLine);

 private:
  // Each answers whether the program goes on to the normal run.
  bool UninstallRun();
  bool InstallRun();
  void NormalRun();

  Registry& registry_;
  Settings& settings_;
  Win32IconSource& icons_;
};

}  // namespace qiv
