// The named mutexes by which a running instance of the program is recognised.
#include "app/InstanceControl.h"

#include "framework/ShowMessage.h"
#include "resources/resource.h"

namespace qiv {

bool NamedMutexExists(const char* name) {
  HANDLE mutex = ::OpenMutexA(SYNCHRONIZE, FALSE, name);
  if (mutex == nullptr) return false;
  ::CloseHandle(mutex);
  return true;
}

bool IsInstanceRunning(HWND owner) {
  if (!NamedMutexExists(kLegacyInstanceMutexName) && !NamedMutexExists(kInstanceMutexName)) return false;
  ShowMessage(owner, IDS_CLOSE_RUNNING_INSTANCE, MB_OK);
  return true;
}

}  // namespace qiv
