// Decimal numbers inside stored texts, read as the C library's atoi and "%d" read them.
#include "engine/DecimalText.h"

#include <limits>

namespace qiv {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ReadDecimal(const std::string& text, std::size_t& pos, std::int32_t& value) {
  std::size_t at = pos;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  if (at >= text.size() || !IsDigit(text[at])) return false;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                      : std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    if (magnitude < limit) magnitude = magnitude * 10 + (text[at] - '0');
  }
  if (magnitude > limit) magnitude = limit;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  pos = at;
  return true;
}

std::int32_t LeadingDecimal(const std::string& text) {
  std::size_t pos = 0;
  std::int32_t value = 0;
  ReadDecimal(text, pos, value);
  return value;
}

}  // namespace qiv
