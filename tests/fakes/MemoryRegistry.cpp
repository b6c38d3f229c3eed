// An in-memory registry for tests.
#include "tests/fakes/MemoryRegistry.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace qiv {
namespace {

std::string Lower(const std::string& text) {
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::vector<RegistryValue>::iterator FindValue(std::vector<RegistryValue>& values, const std::string& name) {
  const std::string lower = Lower(name);
  return std::find_if(values.begin(), values.end(),
                      [&lower](const RegistryValue& value) { return Lower(value.name) == lower; });
}

}  // namespace

// Looks its key up on every call: a key deleted while open makes every later call fail,
// as the system answers ERROR_KEY_DELETED.
class MemoryRegistry::OpenKeyHandle final : public RegistryKey {
 public:
  OpenKeyHandle(MemoryRegistry& registry, KeyId id) : registry_(registry), id_(std::move(id)) {}

  bool ReadValue(const std::string& name, std::size_t maxDataSize, RegistryValue& value) override {
    Key* key = registry_.FindKey(id_);
    if (key == nullptr) return false;
    auto found = FindValue(key->values, name);
    if (found == key->values.end() || found->data.size() > maxDataSize) return false;
    value = *found;
    return true;
  }

  bool EnumValue(std::uint32_t index, std::size_t maxNameSize, std::size_t maxDataSize, RegistryValue& value) override {
    Key* key = registry_.FindKey(id_);
    if (key == nullptr || index >= key->values.size()) return false;
    const RegistryValue& stored = key->values[index];
    if (stored.name.size() + 1 > maxNameSize || stored.data.size() > maxDataSize) return false;
    value = stored;
    return true;
  }

  bool WriteValue(const std::string& name, std::uint32_t type, const void* data, std::size_t size) override {
    Key* key = registry_.FindKey(id_);
    if (key == nullptr) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::vector<std::uint8_t> copy(bytes, bytes + size);
    auto found = FindValue(key->values, name);
    if (found == key->values.end()) {
      key->values.push_back(RegistryValue{name, type, std::move(copy)});
    } else {
      found->type = type;
      found->data = std::move(copy);
    }
    return true;
  }

 private:
  MemoryRegistry& registry_;
  KeyId id_;
};

MemoryRegistry::KeyId MemoryRegistry::MakeId(RegistryRoot root, const std::string& path) {
  std::string lower = Lower(path);
  while (!lower.empty() && lower.back() == '\\') lower.pop_back();
  return {root, lower};
}

MemoryRegistry::Key* MemoryRegistry::FindKey(const KeyId& id) {
  auto found = keys_.find(id);
  return found == keys_.end() ? nullptr : &found->second;
}

const MemoryRegistry::Key* MemoryRegistry::FindKey(const KeyId& id) const {
  auto found = keys_.find(id);
  return found == keys_.end() ? nullptr : &found->second;
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(RegistryRoot root, const std::string& path) {
  KeyId id = MakeId(root, path);
  if (FindKey(id) == nullptr) return nullptr;
  return std::make_unique<OpenKeyHandle>(*this, std::move(id));
}

std::unique_ptr<RegistryKey> MemoryRegistry::CreateKey(RegistryRoot root, const std::string& path) {
  if (createKeyFails_) return nullptr;
  KeyId id = MakeId(root, path);
  if (id.second.empty()) return nullptr;
  EnsureKey(id);
  return std::make_unique<OpenKeyHandle>(*this, std::move(id));
}

MemoryRegistry::Key& MemoryRegistry::EnsureKey(const KeyId& id) {
  // Missing parents come into being with the key.
  for (std::size_t slash = id.second.find('\\'); slash != std::string::npos; slash = id.second.find('\\', slash + 1)) {
    keys_.try_emplace(KeyId{id.first, id.second.substr(0, slash)});
  }
  return keys_[id];
}

bool MemoryRegistry::DeleteKey(RegistryRoot root, const std::string& path) {
  const KeyId id = MakeId(root, path);
  auto found = keys_.find(id);
  if (found == keys_.end()) return false;
  const std::string childPrefix = id.second + '\\';
  auto child = keys_.lower_bound(KeyId{root, childPrefix});
  if (child != keys_.end() && child->first.first == root &&
      child->first.second.compare(0, childPrefix.size(), childPrefix) == 0) {
    return false;
  }
  keys_.erase(found);
  return true;
}

bool MemoryRegistry::KeyExists(RegistryRoot root, const std::string& path) const {
  return FindKey(MakeId(root, path)) != nullptr;
}

std::vector<RegistryValue> MemoryRegistry::Values(RegistryRoot root, const std::string& path) const {
  const Key* key = FindKey(MakeId(root, path));
  return key == nullptr ? std::vector<RegistryValue>{} : key->values;
}

std::optional<RegistryValue> MemoryRegistry::Value(RegistryRoot root, const std::string& path,
                                                   const std::string& name) const {
  for (const RegistryValue& value : Values(root, path)) {
    if (Lower(value.name) == Lower(name)) return value;
  }
  return std::nullopt;
}

void MemoryRegistry::Put(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t type,
                         std::vector<std::uint8_t> data) {
  const KeyId id = MakeId(root, path);
  EnsureKey(id);
  OpenKeyHandle(*this, id).WriteValue(name, type, data.data(), data.size());
}

void MemoryRegistry::PutString(RegistryRoot root, const std::string& path, const std::string& name,
                               const std::string& text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  Put(root, path, name, kRegString, std::move(data));
}

void MemoryRegistry::PutDword(RegistryRoot root, const std::string& path, const std::string& name,
                              std::uint32_t value) {
  Put(root, path, name, kRegDword,
      {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value >> 16),
       static_cast<std::uint8_t>(value >> 24)});
}

}  // namespace qiv
