// The registry as the tests read and reset it.
#include "tests/e2e/harness/TestRegistry.h"

#include <cstring>

namespace qiv::e2e {

const char* const kQivKey = "Software\\Brevik\\Qiv";

namespace {

class OpenedKey {
 public:
  OpenedKey(HKEY root, const std::string& path, REGSAM access) {
    if (::RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenedKey() {
    if (key_ != nullptr) ::RegCloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool ReadRaw(HKEY root, const std::string& path, const std::string& name, DWORD expectedType, std::string& data) {
  OpenedKey key(root, path, KEY_READ);
  if (key.get() == nullptr) return false;
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != expectedType) {
    return false;
  }
  data.assign(size, '\0');
  return ::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
         ERROR_SUCCESS;
}

}  // namespace

bool DeleteKeyTree(HKEY root, const std::string& path) {
  ::RegDeleteTreeA(root, path.c_str());
  ::RegDeleteKeyA(root, path.c_str());
  return !KeyExists(root, path);
}

bool KeyExists(HKEY root, const std::string& path) { return OpenedKey(root, path, KEY_READ).get() != nullptr; }

std::optional<std::string> ReadString(HKEY root, const std::string& path, const std::string& name) {
  std::string data;
  if (!ReadRaw(root, path, name, REG_SZ, data)) return std::nullopt;
  // Stored lengths may or may not count the terminating zero.
  while (!data.empty() && data.back() == '\0') data.pop_back();
  return data;
}

std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const std::string& name) {
  std::string data;
  if (!ReadRaw(root, path, name, REG_DWORD, data) || data.size() != sizeof(DWORD)) return std::nullopt;
  DWORD value = 0;
  memcpy(&value, data.data(), sizeof(value));
  return value;
}

std::optional<std::string> ReadBinary(HKEY root, const std::string& path, const std::string& name) {
  std::string data;
  if (!ReadRaw(root, path, name, REG_BINARY, data)) return std::nullopt;
  return data;
}

std::vector<std::string> ValueNames(HKEY root, const std::string& path) {
  std::vector<std::string> names;
  OpenedKey key(root, path, KEY_READ);
  if (key.get() == nullptr) return names;
  for (DWORD index = 0;; ++index) {
    char name[1024];
    DWORD nameSize = sizeof(name);
    if (::RegEnumValueA(key.get(), index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, nameSize);
  }
  return names;
}

namespace {

bool WriteValue(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const bool written =
      ::RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
  ::RegCloseKey(key);
  return written;
}

}  // namespace

bool WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
  return WriteValue(root, path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool WriteDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
  return WriteValue(root, path, name, REG_DWORD, &value, sizeof(value));
}

bool WriteBinary(HKEY root, const std::string& path, const std::string& name, const std::string& bytes) {
  return WriteValue(root, path, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

}  // namespace qiv::e2e
