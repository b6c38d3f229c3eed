// Files and folders as the tests check them: special folders, shortcut targets, copies.
#pragma once

#include <windows.h>

#include <string>

namespace qiv::e2e {

// The path of a shell folder (CSIDL), ending in a backslash; empty if unknown.
std::string SpecialFolder(int folder);
// The system's temporary folder, ending in a backslash.
std::string TempFolder();
bool FileExists(const std::string& path);
// Makes folder (ending in a backslash) and copies Qiv.exe and Qivhook.dll of the build into it, without the help
// pages; false if a file could not be copied.
bool CopyProgramTo(const std::string& folder);
std::string ReadWholeFile(const std::string& path);
// The target of a shell link file; empty if it cannot be read. COM must be initialised.
std::string ShortcutTarget(const std::string& linkPath);

}  // namespace qiv::e2e
