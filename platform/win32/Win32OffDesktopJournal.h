// The journal of the windows taken off the desktop, in two places that outlive the program: memory shared with
// the guardian process, kept up to date with every window, and a volatile registry value, brought up to date once
// per screen-state tick, that survives both processes until the session ends and tells the next start what a
// guardian could not bring back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/UniqueHandle.h"
#include "platform/OffDesktopJournal.h"

namespace qiv {

// One window as the journal keeps it: the process and thread ids tell a window from a later one that the system
// gave the same handle.
struct JournalEntry {
  std::uint64_t window;
  std::uint32_t processId;
  std::uint32_t threadId;
};

class Win32OffDesktopJournal final : public OffDesktopJournal {
 public:
  // The shared memory of the program with this process id.
  static std::string SharedMemoryName(DWORD processId);
  // Makes the shared memory of this process; without it the journal records nothing and the program runs on.
  bool Open();
  void Add(WindowHandle window) override;
  void Remove(WindowHandle window) override;
  void Flush() override;
  // What the shared memory holds now; safe from any thread, also while the program crashes.
  std::vector<JournalEntry> Entries() const;
  // At a normal end, once every window is back: the next start finds nothing to bring back.
  void Clear();

  // The entries another program, or an earlier run, left in the shared memory (mapped by the guardian).
  static std::vector<JournalEntry> EntriesIn(const void* view);
  // The entries left by a run that did not end normally; the value is deleted.
  static std::vector<JournalEntry> TakeStoredEntries();

 private:
  UniqueKernelHandle mapping_;
  UniqueMappedView view_;
  bool dirty_ = false;
};

// Brings back every journalled window that still exists: out of any parent it was parked in, and shown in the
// show state it had, without activating it and without waiting for its program.
void BringBackJournalledWindows(const std::vector<JournalEntry>& entries);

}  // namespace qiv
