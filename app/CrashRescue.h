// The last thing the program does when it crashes: bring back the windows it had taken off the desktop, the
// parked ones among them, which would otherwise go with the holder window.
#pragma once

#include "platform/win32/Win32OffDesktopJournal.h"

namespace qiv {

// From now on, an exception that nothing handles brings back every window of the journal before the process
// ends. The journal must live until the process ends.
void InstallCrashRescue(const Win32OffDesktopJournal& journal);

}  // namespace qiv
