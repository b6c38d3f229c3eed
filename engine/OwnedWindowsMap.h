// The owned windows (dialog boxes, tool palettes) that were taken off the desktop together with their owner and
// come back with it.
#pragma once

#include <map>
#include <mutex>
#include <vector>

#include "platform/WindowHandle.h"

namespace qiv {

// Guarded by the owned-windows lock. Each call takes it; Lock holds it across several calls. It is recursive
// because taking a window off the desktop nests for the windows that window owns.
class OwnedWindowsMap {
 public:
  OwnedWindowsMap() = default;
  OwnedWindowsMap(const OwnedWindowsMap&) = delete;
  OwnedWindowsMap& operator=(const OwnedWindowsMap&) = delete;

  std::unique_lock<std::recursive_mutex> Lock() { return std::unique_lock<std::recursive_mutex>(lock_); }

  bool HasList(WindowHandle owner);
  void Append(WindowHandle owner, WindowHandle owned);
  // Removes the owner's entry and answers its list, empty when it had none.
  std::vector<WindowHandle> Take(WindowHandle owner);

 private:
  std::recursive_mutex lock_;
  std::map<WindowHandle, std::vector<WindowHandle>> lists_;
};

}  // namespace qiv
