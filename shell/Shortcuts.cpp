// Shortcuts to the running executable in the shell's special folders.
#include "shell/Shortcuts.h"

#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "framework/ComPtr.h"
#include "shell/FolderLookup.h"
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

}  // namespace qiv
