// The guardian run: brings back the windows of a program that ended without doing so.
#include "app/Guardian.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "framework/UniqueHandle.h"
#include "platform/win32/Win32OffDesktopJournal.h"
#include "shell/ShellServices.h"

namespace qiv {

bool StartGuardian() {
  const std::string program = GetProgramPath();
  std::string commandLine = "\"" + program + "\" " + GuardianArguments(::GetCurrentProcessId());
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  // Nothing is inherited: the guardian must not keep the instance mutex or anything else of ours alive.
  if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return false;
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
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
  // The wait is for our own program, not for another one: it lasts as long as the program runs.
  ::WaitForSingleObject(guarded.Get(), INFINITE);
  const std::vector<JournalEntry> entries = Win32OffDesktopJournal::EntriesIn(view.Get());
  if (entries.empty()) return;
  BringBackJournalledWindows(entries);
  // What it could bring back is back, or comes back as soon as its program answers: the next start has nothing
  // left to do.
  Win32OffDesktopJournal::TakeStoredEntries();
}

}  // namespace qiv
