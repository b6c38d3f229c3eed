// One deferred-positioning batch of user32.
#include "platform/win32/Win32PositionBatch.h"

#include "platform/win32/Win32Desktop.h"

namespace qiv {

Win32PositionBatch::~Win32PositionBatch() { End(); }

void Win32PositionBatch::Add(WindowHandle window, InsertAfter after, std::uint32_t flags) {
  entries_.push_back({ToHwnd(window), ToInsertAfter(after), flags});
}

void Win32PositionBatch::End() {
  if (entries_.empty()) return;
  // The system applies a batch in order, and each window put on top covers the ones before it: handed over
  // in reverse, the windows keep the order in which they were added.
  std::vector<Entry> entries;
  entries.swap(entries_);
  HDWP batch = ::BeginDeferWindowPos(windowCount_ > 0 ? windowCount_ : static_cast<int>(entries.size()));
  std::vector<const Entry*> deferred;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    // A window closed meanwhile would make the system drop the whole batch.
    if (!::IsWindow(entry->window)) continue;
    if (batch != nullptr) {
      batch = ::DeferWindowPos(batch, entry->window, entry->after, 0, 0, 0, 0, entry->flags);
      if (batch != nullptr) {
        deferred.push_back(&*entry);
        continue;
      }
      // The system has freed the batch: what it held would never be positioned.
      for (const Entry* earlier : deferred) PositionAlone(*earlier);
    }
    PositionAlone(*entry);
  }
  if (batch != nullptr) ::EndDeferWindowPos(batch);
}

void Win32PositionBatch::PositionAlone(const Entry& entry) {
  ::SetWindowPos(entry.window, entry.after, 0, 0, 0, 0, entry.flags | SWP_ASYNCWINDOWPOS);
}

}  // namespace qiv
