// Checks of the integers typed into dialog fields, and the texts that tell the user what is wrong.
#include "framework/ValidationText.h"

#include <climits>

namespace qiv {
namespace {

constexpr char kIntegerText[] = "Please enter an integer.";
constexpr char kIntegerRangeText[] = "Please enter an integer between %1 and %2.";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Parses the digits saturated at the bounds of long long, so that a very long number still compares
// correctly with any int range.
std::optional<long long> ParseInteger(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t firstDigit = pos;
  long long value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    const int digit = text[pos] - '0';
    if (value > (LLONG_MAX - digit) / 10) {
      value = LLONG_MAX;
    } else {
      value = value * 10 + digit;
    }
  }
  if (pos == firstDigit) return std::nullopt;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos != text.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

std::string IntegerValidationText() { return kIntegerText; }

std::string IntegerValidationText(int min, int max) {
  std::string text;
  const std::string_view pattern = kIntegerRangeText;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      text += std::to_string(pattern[i + 1] == '1' ? min : max);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

IntegerValidation ValidateDialogInteger(std::string_view text, std::optional<IntegerRange> range) {
  const std::optional<long long> parsed = ParseInteger(text);
  if (!parsed) return {std::nullopt, IntegerValidationText()};
  if (range) {
    if (*parsed < range->min || *parsed > range->max) {
      return {std::nullopt, IntegerValidationText(range->min, range->max)};
    }
  } else if (*parsed < INT_MIN || *parsed > INT_MAX) {
    return {std::nullopt, IntegerValidationText()};
  }
  return {static_cast<int>(*parsed), std::string()};
}

}  // namespace qiv
