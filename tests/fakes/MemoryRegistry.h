// An in-memory registry for tests: keys per root, values in creation order with their
// type and exact bytes, names compared without regard to case as the system does.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace qiv {

class MemoryRegistry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path) override;
  std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, const std::string& path) override;
  bool DeleteKey(RegistryRoot root, const std::string& path) override;

  // While set, CreateKey fails as it does for a user without write access.
  void SetCreateKeyFails(bool fails) { createKeyFails_ = fails; }

  bool KeyExists(RegistryRoot root, const std::string& path) const;
  // The values of a key in creation order; empty when the key is missing.
  std::vector<RegistryValue> Values(RegistryRoot root, const std::string& path) const;
  std::optional<RegistryValue> Value(RegistryRoot root, const std::string& path, const std::string& name) const;

  // Seeding helpers: create the key when needed and store the value as given.
  void Put(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t type,
           std::vector<std::uint8_t> data);
  // A REG_SZ with its terminating zero counted, as most writers store it.
  void PutString(RegistryRoot root, const std::string& path, const std::string& name, const std::string& text);
  void PutDword(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t value);

  // Every stored byte, zeros included, for comparing exact data with a literal such as "Main\0"s.
  static std::string DataText(const RegistryValue& value) { return std::string(value.data.begin(), value.data.end()); }

 private:
  class OpenKeyHandle;

  struct Key {
    std::vector<RegistryValue> values;
  };
  using KeyId = std::pair<RegistryRoot, std::string>;

  Key& EnsureKey(const KeyId& id);
  Key* FindKey(const KeyId& id);
  const Key* FindKey(const KeyId& id) const;

  static KeyId MakeId(RegistryRoot root, const std::string& path);

  std::map<KeyId, Key> keys_;
  bool createKeyFails_ = false;
};

}  // namespace qiv
