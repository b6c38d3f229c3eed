// The registry as the tests read and reset it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace qiv::e2e {

extern const char* const kQivKey;  // "Software\Brevik\Qiv" under HKEY_CURRENT_USER

// Deletes a key with all its subkeys; true if it is gone afterwards.
bool DeleteKeyTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);

std::optional<std::string> ReadString(HKEY root, const std::string& path, const std::string& name);
std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const std::string& name);
// The bytes of a REG_BINARY value.
std::optional<std::string> ReadBinary(HKEY root, const std::string& path, const std::string& name);
// Names of the values of a key in enumeration order.
std::vector<std::string> ValueNames(HKEY root, const std::string& path);

bool WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value);
bool WriteDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
bool WriteBinary(HKEY root, const std::string& path, const std::string& name, const std::string& bytes);

}  // namespace qiv::e2e
