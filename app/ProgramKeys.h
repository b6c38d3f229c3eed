// What the install and uninstall runs do to the registry: the uninstall entry of the
// system's software list, and the removal of every key the program writes.
#pragma once

#include <string>

#include "platform/Registry.h"

namespace qiv {

inline constexpr char kUninstallEntryPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qiv{C26C8145-48E1-4ef4-BFA6-ADA0F40232F3}";

// Creates (or opens) the uninstall entry under HKEY_LOCAL_MACHINE and writes "DisplayName" and
// "UninstallString" ("<executable> /U", not quoted). Without write access nothing is written.
void WriteUninstallEntry(Registry& registry, const std::string& executablePath);

// Deletes the uninstall entry, then the program's keys under HKEY_CURRENT_USER, subkeys
// before their parent (the system deletes no key that still has subkeys). Failures are ignored.
void DeleteProgramKeys(Registry& registry);

}  // namespace qiv
