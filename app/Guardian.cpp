// The guardian run: holds the parked windows and brings back the windows of a program that ended without doing so.
#include "app/Guardian.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "framework/UniqueHandle.h"
#include "panel/HolderWindow.h"
#include "platform/win32/Win32OffDesktopJournal.h"
#include "shell/ShellServices.h"

namespace qiv {
namespace {

constexpr DWORD kHolderPollMs = 10;
// How often the guardian looks whether the program of a window it still holds answers again.
constexpr DWORD kHandBackPollMs = 100;
constexpr UINT kAnswerProbeMs = 100;
// The holder is empty by then; its thread only has to end its loop.
constexpr DWORD kHolderStopMs = 2000;

struct HolderSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindHolderOfProcess(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<HolderSearch*>(parameter);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof(className));
  // The holder is the guardian's only dialog; its other windows (an input method's, say) are of other classes.
  if (processId != search->processId || std::string(className) != "#32770") return TRUE;
  search->found = window;
  return FALSE;
}

JournalEntry EntryOf(HWND window) {
  DWORD processId = 0;
  const DWORD threadId = ::GetWindowThreadProcessId(window, &processId);
  return {static_cast<std::uint64_t>(reinterpret_cast<ULONG_PTR>(window)), processId, threadId};
}

// Hands back every window still parked in the holder, each once its program answers: a window left in the holder
// would go with it when the guardian ends. The wait lasts as long as such a window lives.
void HandBackHeldWindows(HWND holder) {
  for (;;) {
    std::vector<JournalEntry> answering;
    bool held = false;
    for (HWND child = ::GetWindow(holder, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
      held = true;
      DWORD_PTR ignored = 0;
      if (::SendMessageTimeoutA(child, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerProbeMs, &ignored) != 0) {
        answering.push_back(EntryOf(child));
      }
    }
    if (!held) return;
    BringBackJournalledWindows(answering);
    ::Sleep(kHandBackPollMs);
  }
}

}  // namespace

std::uint32_t StartGuardian() {
  const std::string program = GetProgramPath();
  std::string commandLine = "\"" + program + "\" " + GuardianArguments(::GetCurrentProcessId());
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  // Nothing is inherited: the guardian must not keep the instance mutex or anything else of ours alive.
  if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return 0;
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return process.dwProcessId;
}

HWND WaitForGuardianHolder(std::uint32_t guardianId, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    HolderSearch search = {guardianId, nullptr};
    ::EnumWindows(FindHolderOfProcess, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || ::GetTickCount() - start >= timeoutMs) return search.found;
    ::Sleep(kHolderPollMs);
  }
}

void RunGuardian(std::uint32_t processId) {
  UniqueKernelHandle guarded(::OpenProcess(SYNCHRONIZE, FALSE, processId));
  if (!guarded) return;
  UniqueKernelHandle mapping(
      ::OpenFileMappingA(FILE_MAP_READ, FALSE, Win32OffDesktopJournal::SharedMemoryName(processId).c_str()));
  if (!mapping) return;
  // Mapped now: the memory lives on after the program's end for as long as this view does.
  UniqueMappedView view(::MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0));
  if (!view) return;
  // The program parks in this holder once it has found it; without it, the program makes a holder of its own.
  HolderThread holder;
  const HWND holderWindow = holder.Start();
  // The wait is for our own program, not for another one: it lasts as long as the program runs.
  ::WaitForSingleObject(guarded.Get(), INFINITE);
  const std::vector<JournalEntry> entries = Win32OffDesktopJournal::EntriesIn(view.Get());
  BringBackJournalledWindows(entries);
  if (holderWindow != nullptr) HandBackHeldWindows(holderWindow);
  holder.Stop(kHolderStopMs);
  if (entries.empty()) return;
  // What it could bring back is back, or comes back as soon as its program answers: the next start has nothing
  // left to do.
  Win32OffDesktopJournal::TakeStoredEntries();
}

}  // namespace qiv
