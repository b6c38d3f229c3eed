// The registry interface over advapi32 (ANSI functions).
#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace qiv {
namespace {

HKEY RootKey(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

class Win32RegistryKey final : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { ::RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  bool ReadValue(const std::string& name, std::size_t maxDataSize, RegistryValue& value) override {
    std::vector<std::uint8_t> buffer(maxDataSize);
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, buffer.empty() ? nullptr : buffer.data(), &size) !=
        ERROR_SUCCESS) {
      return false;
    }
    buffer.resize(size);
    value.name = name;
    value.type = type;
    value.data = std::move(buffer);
    return true;
  }

  bool EnumValue(std::uint32_t index, std::size_t maxNameSize, std::size_t maxDataSize, RegistryValue& value) override {
    // Both buffers start zeroed, so a short string value always reads back terminated.
    std::vector<char> name(maxNameSize + 1, '\0');
    std::vector<std::uint8_t> data(maxDataSize + 1, 0);
    DWORD nameSize = static_cast<DWORD>(maxNameSize);
    DWORD dataSize = static_cast<DWORD>(maxDataSize);
    DWORD type = REG_NONE;
    if (::RegEnumValueA(key_, index, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) != ERROR_SUCCESS) {
      return false;
    }
    value.name.assign(name.data(), nameSize);
    value.type = type;
    value.data.assign(data.begin(), data.begin() + dataSize);
    return true;
  }

  bool WriteValue(const std::string& name, std::uint32_t type, const void* data, std::size_t size) override {
    return ::RegSetValueExA(key_, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) {
    // A key the user may only read still serves a load.
    if (::RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(key);
}

std::unique_ptr<RegistryKey> Win32Registry::CreateKey(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(key);
}

bool Win32Registry::DeleteKey(RegistryRoot root, const std::string& path) {
  return ::RegDeleteKeyA(RootKey(root), path.c_str()) == ERROR_SUCCESS;
}

}  // namespace qiv
