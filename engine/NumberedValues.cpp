// Lists kept in a registry key of their own as numbered values "Prefix #N", N the position.
#include "engine/NumberedValues.h"

#include <cstddef>

#include "engine/DecimalText.h"

namespace qiv {
namespace {

constexpr std::size_t kMaxNameSize = 1000;
constexpr std::size_t kMaxDataSize = 1000;

}  // namespace

std::string NumberedValueName(const std::string& prefix, std::int32_t position) {
  return prefix + std::to_string(position);
}

void ForEachStoredValue(RegistryKey& key, const std::function<void(const RegistryValue&)>& visit) {
  RegistryValue value;
  for (std::uint32_t index = 0; key.EnumValue(index, kMaxNameSize, kMaxDataSize, value); ++index) {
    visit(value);
    value = RegistryValue{};
  }
}

bool ReadNumberedName(const std::string& name, const std::string& prefix, std::int32_t& position) {
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  const std::int32_t number = LeadingDecimal(name.substr(prefix.size()));
  if (number < 0 || number > kMaxStoredPosition) return false;
  position = number;
  return true;
}

}  // namespace qiv
