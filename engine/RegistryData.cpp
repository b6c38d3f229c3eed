// How the program encodes its registry values: strings and little-endian 32-bit numbers.
#include "engine/RegistryData.h"

#include <algorithm>

namespace qiv {

std::string StringFromData(const std::vector<std::uint8_t>& data) {
  const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
  return std::string(data.begin(), end);
}

std::uint32_t DwordFromData(const std::vector<std::uint8_t>& data, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (offset + i < data.size()) value |= static_cast<std::uint32_t>(data[offset + i]) << (8 * i);
  }
  return value;
}

void AppendDword(std::vector<std::uint8_t>& data, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void WriteStringValue(RegistryKey& key, const std::string& name, const std::string& text, TerminatingZero zero) {
  const std::size_t size = text.size() + (zero == TerminatingZero::Counted ? 1 : 0);
  key.WriteValue(name, kRegString, text.c_str(), size);
}

void WriteDwordValue(RegistryKey& key, const std::string& name, std::uint32_t value) {
  std::vector<std::uint8_t> data;
  AppendDword(data, value);
  key.WriteValue(name, kRegDword, data.data(), data.size());
}

}  // namespace qiv
