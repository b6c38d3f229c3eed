// Lists kept in a registry key of their own as numbered values "Prefix #N", N the position.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Registry.h"

namespace qiv {

// Positions above this are ignored when a list is read: a hand-edited "Screen #2000000000"
// would otherwise make the list grow to that size.
inline constexpr std::int32_t kMaxStoredPosition = 9999;

// prefix ends in " #": NumberedValueName("Screen #", 2) is "Screen #2".
std::string NumberedValueName(const std::string& prefix, std::int32_t position);

// Visits the values of key in creation order. Names and data are limited to 1000 bytes each,
// and the first value that does not fit ends the walk, as for every list stored so far.
void ForEachStoredValue(RegistryKey& key, const std::function<void(const RegistryValue&)>& visit);

// True when name begins with prefix (letter case counts); position is the decimal number that
// follows it, 0 when none does. Negative positions and those above kMaxStoredPosition answer false.
bool ReadNumberedName(const std::string& name, const std::string& prefix, std::int32_t& position);

}  // namespace qiv
