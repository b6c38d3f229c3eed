// Checks of the integers typed into dialog fields, and the texts that tell the user what is wrong.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qiv {

struct IntegerRange {
  int min;
  int max;
};

// The value of an integer field, or, when it has none, the text to show.
struct IntegerValidation {
  std::optional<int> value;
  std::string message;
};

// "Please enter an integer."
std::string IntegerValidationText();
// "Please enter an integer between %1 and %2." with the bounds in place of %1 and %2.
std::string IntegerValidationText(int min, int max);

// A field holds an integer when it is an optional sign and decimal digits, with spaces or tabs around them.
// Without a range the value must fit an int; with one, a number outside it (however long) gets the range text.
IntegerValidation ValidateDialogInteger(std::string_view text, std::optional<IntegerRange> range);

}  // namespace qiv
