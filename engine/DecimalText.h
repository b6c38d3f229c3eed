// Decimal numbers inside stored texts, read as the C library's atoi and "%d" read them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qiv {

// Reads the number at text[pos]: white space, an optional sign, then digits. On success moves pos
// past the digits and answers true; without a digit leaves both pos and value unchanged. A number
// beyond the 32-bit range saturates, so a hand-edited value cannot overflow.
bool ReadDecimal(const std::string& text, std::size_t& pos, std::int32_t& value);

// The number a text begins with, or 0 when it begins with none.
std::int32_t LeadingDecimal(const std::string& text);

}  // namespace qiv
