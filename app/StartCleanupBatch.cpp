// The batch file that removes the program's files after an uninstallation.
#include "app/StartCleanupBatch.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/CleanupBatch.h"
#include "framework/UniqueHandle.h"
#include "shell/ShellServices.h"

namespace qiv {

void StartCleanupBatch() {
  char tempFolder[MAX_PATH + 1] = {};
  const DWORD tempLength = ::GetTempPathA(MAX_PATH, tempFolder);
  const std::string batchPath = CleanupBatchPath(std::string(tempFolder, tempLength <= MAX_PATH ? tempLength : 0));

  UniqueFileHandle file(::CreateFileA(batchPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return;
  const std::string text = CleanupBatchText(GetProgramPath(), GetProgramDirectory(), batchPath);
  DWORD written = 0;
  ::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  file.Reset();

  std::vector<char> commandLine(batchPath.begin(), batchPath.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED | IDLE_PRIORITY_CLASS,
                        nullptr, "\\", &startup, &process)) {
    return;
  }
  // The batch may only run once this process has ended and released the executable.
  ::SetThreadPriority(process.hThread, THREAD_PRIORITY_IDLE);
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  ::SetPriorityClass(::GetCurrentProcess(), HIGH_PRIORITY_CLASS);
  ::CloseHandle(process.hProcess);
  ::ResumeThread(process.hThread);
  ::CloseHandle(process.hThread);
}

}  // namespace qiv
