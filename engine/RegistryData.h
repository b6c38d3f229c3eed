// How the program encodes its registry values: strings and little-endian 32-bit numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace qiv {

// Whether a written string's stored length includes its terminating zero. The two stored lists
// differ here, and readers of the existing values depend on the exact sizes.
enum class TerminatingZero { Counted, NotCounted };

// The text of string data: the bytes up to the first zero, or all of them when none is stored.
std::string StringFromData(const std::vector<std::uint8_t>& data);

// The 32-bit number at offset; bytes past the end of the data count as zero.
std::uint32_t DwordFromData(const std::vector<std::uint8_t>& data, std::size_t offset = 0);

void AppendDword(std::vector<std::uint8_t>& data, std::uint32_t value);

// Write failures are ignored: a value that cannot be written is skipped.
void WriteStringValue(RegistryKey& key, const std::string& name, const std::string& text, TerminatingZero zero);
void WriteDwordValue(RegistryKey& key, const std::string& name, std::uint32_t value);

}  // namespace qiv
