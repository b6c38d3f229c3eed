// One deferred-positioning batch of user32.
#include "platform/win32/Win32PositionBatch.h"

#include "platform/win32/Win32Desktop.h"

namespace qiv {

Win32PositionBatch::~Win32PositionBatch() { End(); }

void Win32PositionBatch::Add(WindowHandle window, InsertAfter after, std::uint32_t flags) {
  Entry entry{ToHwnd(window), ToInsertAfter(after), flags};
  // A window closed meanwhile would make the system drop the whole batch.
  if (!::IsWindow(entry.window)) return;
  // The batch is applied in order, so windows put on top one after the other would end up in
  // reverse: each one after the first goes right below the one before it instead.
  if (entry.after == HWND_TOP && !(entry.flags & SWP_NOZORDER)) {
    if (lastOnTop_ != nullptr) entry.after = lastOnTop_;
    lastOnTop_ = entry.window;
  }
  if (batch_ == nullptr) {
    PositionAlone(entry);
    return;
  }
  HDWP grown = ::DeferWindowPos(batch_, entry.window, entry.after, 0, 0, 0, 0, entry.flags);
  if (grown != nullptr) {
    batch_ = grown;
    entries_.push_back(entry);
    return;
  }
  // The system has freed the batch: what it held would never be positioned.
  batch_ = nullptr;
  for (const Entry& earlier : entries_) PositionAlone(earlier);
  entries_.clear();
  PositionAlone(entry);
}

void Win32PositionBatch::End() {
  if (batch_ != nullptr) ::EndDeferWindowPos(batch_);
  batch_ = nullptr;
  entries_.clear();
  lastOnTop_ = nullptr;
}

void Win32PositionBatch::PositionAlone(const Entry& entry) {
  ::SetWindowPos(entry.window, entry.after, 0, 0, 0, 0, entry.flags | SWP_ASYNCWINDOWPOS);
}

}  // namespace qiv
