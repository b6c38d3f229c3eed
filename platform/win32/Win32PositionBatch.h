// One deferred-positioning batch of user32: the positions take effect together when it ends,
// the windows put on top keeping the order in which they were added (the first on top).
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Desktop.h"

namespace qiv {

// Windows of other threads are positioned when their threads next run. Under Wine, ending the batch instead waits
// for each such thread, so a window that does not answer delays the end until it does.
class Win32PositionBatch final : public PositionBatch {
 public:
  explicit Win32PositionBatch(HDWP batch) : batch_(batch) {}
  // Ends a batch that was not ended: the system frees it only then.
  ~Win32PositionBatch() override;
  Win32PositionBatch(const Win32PositionBatch&) = delete;
  Win32PositionBatch& operator=(const Win32PositionBatch&) = delete;

  void Add(WindowHandle window, InsertAfter after, std::uint32_t flags) override;
  void End() override;

 private:
  struct Entry {
    HWND window;
    HWND after;
    UINT flags;
  };

  static void PositionAlone(const Entry& entry);

  HDWP batch_;
  // What the batch holds, to position it window by window should the system drop the batch.
  std::vector<Entry> entries_;
  // The window last put on top, which the next one put on top goes below.
  HWND lastOnTop_ = nullptr;
};

}  // namespace qiv
