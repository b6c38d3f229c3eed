// Bringing back the windows taken off the desktop when the program crashes.
#include "app/CrashRescue.h"

#include <windows.h>

namespace qiv {
namespace {

const Win32OffDesktopJournal* rescuedJournal = nullptr;

LONG WINAPI RescueWindows(EXCEPTION_POINTERS*) {
  if (rescuedJournal != nullptr) BringBackJournalledWindows(rescuedJournal->Entries());
  // The process ends here, without the system's crash dialog: that would keep it, and the guardian's wait,
  // alive until the user answers it, and the user's windows are back already.
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void InstallCrashRescue(const Win32OffDesktopJournal& journal) {
  rescuedJournal = &journal;
  ::SetUnhandledExceptionFilter(RescueWindows);
}

}  // namespace qiv
