// One deferred-positioning batch of user32: the positions take effect together when it ends.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Desktop.h"

namespace qiv {

// Windows of other threads are positioned when their threads next run. Under Wine, ending the batch instead waits
// for each such thread, so a window that does not answer delays the end until it does.
class Win32PositionBatch final : public PositionBatch {
 public:
  explicit Win32PositionBatch(int windowCount) : windowCount_(windowCount) {}
  // Ends a batch that was not ended.
  ~Win32PositionBatch() override;
  Win32PositionBatch(const Win32PositionBatch&) = delete;
  Win32PositionBatch& operator=(const Win32PositionBatch&) = delete;

  // Windows are added top-most first: the first one added ends on top of the others.
  void Add(WindowHandle window, InsertAfter after, std::uint32_t flags) override;
  void End() override;

 private:
  struct Entry {
    HWND window;
    HWND after;
    UINT flags;
  };

  static void PositionAlone(const Entry& entry);

  int windowCount_;
  std::vector<Entry> entries_;
};

}  // namespace qiv
