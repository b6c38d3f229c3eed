// The journal of the windows taken off the desktop: shared memory for the guardian, a volatile registry value for
// the next start.
#include "platform/win32/Win32OffDesktopJournal.h"

#include <algorithm>

namespace qiv {
namespace {

// Far more windows than a desktop holds; a window beyond it is simply not journalled.
constexpr std::uint32_t kCapacity = 4096;
// Volatile: it goes when the session ends, as every window it names does.
constexpr char kStoredKey[] = "Software\\Brevik\\Qiv\\Windows off the desktop";
constexpr char kStoredValue[] = "Windows";
// The bring-back waits at most this long for programs that take a window out of a parent slowly.
constexpr DWORD kBringBackBoundMs = 1500;

// Slots are written by the program alone; a slot whose window is 0 is free.
struct SharedTable {
  volatile LONG used;  // slots in use at most, from the first
  JournalEntry entries[kCapacity];
};

SharedTable* Table(void* view) { return static_cast<SharedTable*>(view); }

bool StillTheSameWindow(const JournalEntry& entry) {
  HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(entry.window));
  if (!::IsWindow(window)) return false;
  DWORD processId = 0;
  const DWORD threadId = ::GetWindowThreadProcessId(window, &processId);
  return processId == entry.processId && threadId == entry.threadId;
}

DWORD WINAPI BringBackThread(LPVOID parameter) {
  const auto& entries = *static_cast<const std::vector<JournalEntry>*>(parameter);
  // Shows first: they are asynchronous and cannot be held up by a program that takes its time over a parent.
  for (const JournalEntry& entry : entries) {
    HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(entry.window));
    if (!StillTheSameWindow(entry) || ::GetAncestor(window, GA_PARENT) != ::GetDesktopWindow()) continue;
    if (::IsWindowVisible(window)) continue;
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_ASYNCWINDOWPOS | SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  }
  for (const JournalEntry& entry : entries) {
    HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(entry.window));
    if (!StillTheSameWindow(entry) || ::GetAncestor(window, GA_PARENT) == ::GetDesktopWindow()) continue;
    // Parked in the holder window: it would go with it.
    ::SetParent(window, nullptr);
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                   SWP_ASYNCWINDOWPOS | SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  }
  return 0;
}

}  // namespace

std::string Win32OffDesktopJournal::SharedMemoryName(DWORD processId) {
  return "Qiv windows off the desktop " + std::to_string(processId);
}

bool Win32OffDesktopJournal::Open() {
  mapping_ =
      UniqueKernelHandle(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedTable),
                                              SharedMemoryName(::GetCurrentProcessId()).c_str()));
  if (!mapping_) return false;
  view_ = UniqueMappedView(::MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedTable)));
  return static_cast<bool>(view_);
}

void Win32OffDesktopJournal::Add(WindowHandle window) {
  if (!view_) return;
  SharedTable* table = Table(view_.Get());
  DWORD processId = 0;
  const DWORD threadId = ::GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &processId);
  const JournalEntry entry{static_cast<std::uint64_t>(reinterpret_cast<ULONG_PTR>(window)), processId, threadId};
  for (LONG slot = 0; slot < static_cast<LONG>(kCapacity); ++slot) {
    if (table->entries[slot].window != 0) continue;
    // The ids first, the handle last: a reader that sees the handle sees the ids too.
    table->entries[slot].processId = entry.processId;
    table->entries[slot].threadId = entry.threadId;
    ::MemoryBarrier();
    table->entries[slot].window = entry.window;
    if (slot >= table->used) ::InterlockedExchange(&table->used, slot + 1);
    dirty_ = true;
    return;
  }
}

void Win32OffDesktopJournal::Remove(WindowHandle window) {
  if (!view_) return;
  SharedTable* table = Table(view_.Get());
  const auto handle = static_cast<std::uint64_t>(reinterpret_cast<ULONG_PTR>(window));
  for (LONG slot = 0; slot < table->used; ++slot) {
    if (table->entries[slot].window != handle) continue;
    table->entries[slot].window = 0;
    dirty_ = true;
  }
}

void Win32OffDesktopJournal::Flush() {
  if (!dirty_) return;
  dirty_ = false;
  const std::vector<JournalEntry> entries = Entries();
  if (entries.empty()) {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kStoredKey);
    return;
  }
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, kStoredKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
    return;
  }
  ::RegSetValueExA(key, kStoredValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(entries.data()),
                   static_cast<DWORD>(entries.size() * sizeof(JournalEntry)));
  ::RegCloseKey(key);
}

std::vector<JournalEntry> Win32OffDesktopJournal::Entries() const {
  return view_ ? EntriesIn(view_.Get()) : std::vector<JournalEntry>();
}

void Win32OffDesktopJournal::Clear() {
  if (view_) {
    SharedTable* table = Table(view_.Get());
    for (LONG slot = 0; slot < table->used; ++slot) table->entries[slot].window = 0;
  }
  dirty_ = false;
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kStoredKey);
}

std::vector<JournalEntry> Win32OffDesktopJournal::EntriesIn(const void* view) {
  std::vector<JournalEntry> entries;
  const auto* table = static_cast<const SharedTable*>(view);
  const LONG used = std::min(static_cast<LONG>(table->used), static_cast<LONG>(kCapacity));
  for (LONG slot = 0; slot < used; ++slot) {
    if (table->entries[slot].window != 0) entries.push_back(table->entries[slot]);
  }
  return entries;
}

std::vector<JournalEntry> Win32OffDesktopJournal::TakeStoredEntries() {
  std::vector<JournalEntry> entries;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kStoredKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return entries;
  DWORD type = 0;
  DWORD size = 0;
  // A value of another type, or of a size that is no whole number of entries, is not ours: nothing comes back.
  if (::RegQueryValueExA(key, kStoredValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_BINARY &&
      size % sizeof(JournalEntry) == 0 && size <= kCapacity * sizeof(JournalEntry)) {
    entries.resize(size / sizeof(JournalEntry));
    if (::RegQueryValueExA(key, kStoredValue, nullptr, &type, reinterpret_cast<BYTE*>(entries.data()), &size) !=
        ERROR_SUCCESS) {
      entries.clear();
    }
  }
  ::RegCloseKey(key);
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kStoredKey);
  return entries;
}

void BringBackJournalledWindows(const std::vector<JournalEntry>& entries) {
  if (entries.empty()) return;
  // The thread works on the caller's copy: a thread that is not done when the wait ends is left to finish, so the
  // copy must outlive it.
  auto* kept = new std::vector<JournalEntry>(entries);
  HANDLE thread = ::CreateThread(nullptr, 0, BringBackThread, kept, 0, nullptr);
  if (thread == nullptr) {
    BringBackThread(kept);
    delete kept;
    return;
  }
  if (::WaitForSingleObject(thread, kBringBackBoundMs) == WAIT_OBJECT_0) delete kept;
  ::CloseHandle(thread);
}

}  // namespace qiv
