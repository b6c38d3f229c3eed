// The registry as portable code sees it: keys under two roots, values with their
// raw type and bytes, enumeration by index in the order the values were created.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qiv {

enum class RegistryRoot { CurrentUser, LocalMachine };

// The system's own type numbers, so stored data keeps its meaning.
enum RegistryType : std::uint32_t {
  kRegNone = 0,
  kRegString = 1,  // REG_SZ
  kRegBinary = 3,  // REG_BINARY
  kRegDword = 4,   // REG_DWORD (little-endian)
};

struct RegistryValue {
  std::string name;
  std::uint32_t type = kRegNone;
  std::vector<std::uint8_t> data;  // exactly the stored bytes
};

// An open key. Closing is the destructor.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // Reads a value whose data fits into maxDataSize bytes. False when the value is
  // missing or larger than maxDataSize (the system answers "more data" then).
  virtual bool ReadValue(const std::string& name, std::size_t maxDataSize, RegistryValue& value) = 0;

  // Reads the value at index (creation order). False past the last value, and when
  // the name (with its terminating zero) does not fit into maxNameSize bytes or the
  // data into maxDataSize bytes: such a value ends an enumeration.
  virtual bool EnumValue(std::uint32_t index, std::size_t maxNameSize, std::size_t maxDataSize,
                         RegistryValue& value) = 0;

  // Writes size bytes of data under name, replacing an existing value. False on failure.
  virtual bool WriteValue(const std::string& name, std::uint32_t type, const void* data, std::size_t size) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens an existing key; null when it is missing or cannot be opened.
  virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path) = 0;

  // Opens the key, creating it and any missing parent first; null on failure.
  virtual std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, const std::string& path) = 0;

  // Deletes a key that has no subkeys (as the system does); false when it is missing,
  // has subkeys or cannot be deleted.
  virtual bool DeleteKey(RegistryRoot root, const std::string& path) = 0;
};

}  // namespace qiv
