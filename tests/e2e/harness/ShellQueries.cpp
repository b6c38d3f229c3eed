// Files and folders as the tests check them.
#include "tests/e2e/harness/ShellQueries.h"

#include "tests/e2e/harness/ChildProcess.h"

#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>

namespace qiv::e2e {

std::string SpecialFolder(int folder) {
  char path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathA(nullptr, folder, nullptr, 0, path))) return {};
  return std::string(path) + "\\";
}

std::string TempFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathA(MAX_PATH, path);
  return std::string(path, length);
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CopyProgramTo(const std::string& folder) {
  ::CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* file : {"Qiv.exe", "Qivhook.dll"}) {
    if (!::CopyFileA((BinaryDirectory() + file).c_str(), (folder + file).c_str(), FALSE)) return false;
  }
  return true;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::string ShortcutTarget(const std::string& linkPath) {
  IShellLinkA* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
    return {};
  }
  std::string target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t widePath[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
    char path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(widePath, STGM_READ)) &&
        SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_UNCPRIORITY))) {
      target = path;
    }
    file->Release();
  }
  link->Release();
  return target;
}

}  // namespace qiv::e2e
