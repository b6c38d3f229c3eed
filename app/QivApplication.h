// The program's run from start to end: which run the command line asks for, the checks
// before the panel runs, and what is released after it.
#pragma once

#include <string>

#include "engine/EnginePlatform.h"
#include "engine/SwitchEngine.h"
#include "engine/WindowTracker.h"
#include "platform/Registry.h"
#include "platform/win32/Win32IconSource.h"
#include "platform/win32/Win32OffDesktopJournal.h"
#include "shell/Settings.h"

namespace qiv {

class QivApplication {
 public:
  // The engine and its services live for the whole process: a worker thread may outlast the panel.
  QivApplication(Registry& registry, Settings& settings, Win32IconSource& icons, const EnginePlatform& platform,
                 Win32OffDesktopJournal& journal, WindowTracker& tracker, SwitchEngine& engine);

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
  const EnginePlatform& platform_;
  Win32OffDesktopJournal& journal_;
  WindowTracker& tracker_;
  SwitchEngine& engine_;
};

}  // namespace qiv
