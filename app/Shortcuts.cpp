// Shortcuts to the running executable, and the uninstall clean-up batch file.
#include "app/Shortcuts.h"

#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "app/CleanupBatch.h"
#include "app/FolderLookup.h"
#include "framework/ComPtr.h"
#include "framework/UniqueHandle.h"
#include "shell/ShellServices.h"

namespace qiv {
namespace {

constexpr char kShortcutName[] = "Qiv.lnk";

std::wstring Wide(const std::string& text) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length) - 1);
  return wide;
}

// The shortcut operations work with names relative to the folder: the folder is made the
// current directory for the work, and the previous one is put back in every case.
template <typename Work>
void InSpecialFolder(int folder, Work work) {
  char folderPath[MAX_PATH] = {};
  if (!FolderLookupSucceeded(GetSpecialFolderPath(nullptr, folder, nullptr, 0, folderPath), folderPath)) return;
  char previous[MAX_PATH] = {};
  const DWORD previousLength = ::GetCurrentDirectoryA(MAX_PATH, previous);
  if (previousLength == 0 || previousLength >= MAX_PATH) return;
  if (!::SetCurrentDirectoryA(folderPath)) return;
  work();
  ::SetCurrentDirectoryA(previous);
}

ComPtr<IShellLinkA> NewShellLink() {
  ComPtr<IShellLinkA> link;
  ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                     reinterpret_cast<void**>(link.Out()));
  return link;
}

// Calls visit with the name of each "*.lnk" file of the current directory that points to
// the executable, until visit answers false.
template <typename Visit>
void ForEachProgramShortcut(Visit visit) {
  const std::string executable = GetProgramPath();
  WIN32_FIND_DATAA found = {};
  HANDLE search = ::FindFirstFileA("*.lnk", &found);
  if (search == INVALID_HANDLE_VALUE) return;
  bool goOn = true;
  do {
    ComPtr<IShellLinkA> link = NewShellLink();
    if (!link) break;
    ComPtr<IPersistFile> file = link.As<IPersistFile>(IID_IPersistFile);
    char target[MAX_PATH] = {};
    if (file && SUCCEEDED(file->Load(Wide(found.cFileName).c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY)) &&
        ::lstrcmpiA(target, executable.c_str()) == 0) {
      goOn = visit(found.cFileName);
    }
  } while (goOn && ::FindNextFileA(search, &found));
  ::FindClose(search);
}

}  // namespace

void CreateShortcut(int folder) {
  InSpecialFolder(folder, [] {
    const std::string executable = GetProgramPath();
    ComPtr<IShellLinkA> link = NewShellLink();
    if (!link) return;
    link->SetPath(executable.c_str());
    link->SetIconLocation(executable.c_str(), 0);
    link->SetDescription("Qivdesk");
    ComPtr<IPersistFile> file = link.As<IPersistFile>(IID_IPersistFile);
    if (file) file->Save(Wide(kShortcutName).c_str(), TRUE);
  });
}

void DeleteShortcut(int folder) {
  InSpecialFolder(folder, [] {
    ForEachProgramShortcut([](const char* fileName) {
      ::DeleteFileA(fileName);
      return false;
    });
  });
}

bool HasStartupShortcut() {
  bool found = false;
  InSpecialFolder(kStartupFolder, [&found] {
    ForEachProgramShortcut([&found](const char*) {
      found = true;
      return false;
    });
  });
  return found;
}

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
