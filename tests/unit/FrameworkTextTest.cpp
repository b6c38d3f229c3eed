// The portable texts of the framework: integer field validation and the program name in message captions.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <string>

#include "framework/ExecutableBaseName.h"
#include "framework/ValidationText.h"

namespace qiv {
namespace {

constexpr char kNotAnInteger[] = "Please enter an integer.";

struct IntegerCase {
  const char* name;
  const char* text;
  std::optional<IntegerRange> range;
  std::optional<int> value;  // expected value; none: refused
  std::string message;       // expected text when refused
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

std::string RangeText(const char* min, const char* max) {
  return std::string("Please enter an integer between ") + min + " and " + max + ".";
}

class FrameworkIntegerValidation : public testing::TestWithParam<IntegerCase> {};

TEST_P(FrameworkIntegerValidation, AcceptsOrNamesTheFault) {
  const IntegerCase& c = GetParam();
  const IntegerValidation result = ValidateDialogInteger(c.text, c.range);
  EXPECT_EQ(result.value, c.value);
  EXPECT_EQ(result.message, c.value ? std::string() : c.message);
}

const IntegerRange kRefreshRate{100, 10000};
const IntegerRange kSnapDistance{1, 100};

INSTANTIATE_TEST_SUITE_P(
    Fields, FrameworkIntegerValidation,
    testing::Values(
        IntegerCase{"Plain", "42", std::nullopt, 42, ""},
        IntegerCase{"BlanksAroundAndSign", " \t-17\t ", std::nullopt, -17, ""},
        IntegerCase{"PlusSign", "+8", std::nullopt, 8, ""},
        IntegerCase{"Empty", "", std::nullopt, std::nullopt, kNotAnInteger},
        IntegerCase{"OnlyBlanks", "   ", kSnapDistance, std::nullopt, kNotAnInteger},
        IntegerCase{"SignWithoutDigits", "-", std::nullopt, std::nullopt, kNotAnInteger},
        IntegerCase{"TrailingLetter", "12a", std::nullopt, std::nullopt, kNotAnInteger},
        IntegerCase{"BlankInside", "1 2", std::nullopt, std::nullopt, kNotAnInteger},
        IntegerCase{"Decimal", "1.5", kSnapDistance, std::nullopt, kNotAnInteger},
        IntegerCase{"Hex", "0x10", std::nullopt, std::nullopt, kNotAnInteger},
        IntegerCase{"LargestInt", "2147483647", std::nullopt, INT_MAX, ""},
        IntegerCase{"SmallestInt", "-2147483648", std::nullopt, INT_MIN, ""},
        IntegerCase{"PastIntWithoutRange", "2147483648", std::nullopt, std::nullopt, kNotAnInteger},
        IntegerCase{"BelowRange", "50", kRefreshRate, std::nullopt, RangeText("100", "10000")},
        IntegerCase{"LowerBoundIncluded", "100", kRefreshRate, 100, ""},
        IntegerCase{"UpperBoundIncluded", "10000", kRefreshRate, 10000, ""},
        IntegerCase{"AboveRange", "10001", kRefreshRate, std::nullopt, RangeText("100", "10000")},
        IntegerCase{"HugeAboveRange", "99999999999999999999999", kSnapDistance, std::nullopt, RangeText("1", "100")},
        IntegerCase{"HugeBelowRange", "-99999999999999999999999", kSnapDistance, std::nullopt, RangeText("1", "100")},
        IntegerCase{"NegativeBounds", "0", IntegerRange{-20, -10}, std::nullopt, RangeText("-20", "-10")},
        IntegerCase{"NotANumberWithRange", "abc", kRefreshRate, std::nullopt, kNotAnInteger}),
    [](const testing::TestParamInfo<IntegerCase>& caseInfo) { return std::string(caseInfo.param.name); });

TEST(FrameworkValidationText, RangeTextCarriesTheExtremeBounds) {
  EXPECT_EQ(IntegerValidationText(INT_MIN, INT_MAX), RangeText("-2147483648", "2147483647"));
  EXPECT_EQ(IntegerValidationText(), kNotAnInteger);
}

struct BaseNameCase {
  const char* name;
  const char* path;
  const char* baseName;
};

void PrintTo(const BaseNameCase& c, std::ostream* out) { *out << '"' << c.path << '"'; }

class FrameworkExecutableBaseName : public testing::TestWithParam<BaseNameCase> {};

TEST_P(FrameworkExecutableBaseName, DropsFolderAndExtension) {
  EXPECT_EQ(ExecutableBaseName(GetParam().path), GetParam().baseName);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FrameworkExecutableBaseName,
    testing::Values(BaseNameCase{"FullPath", "C:\\Program Files\\Qiv\\Qiv.exe", "Qiv"},
                    BaseNameCase{"DotInFolderOnly", "C:\\Qiv.Dir\\Qiv", "Qiv"},
                    BaseNameCase{"OnlyLastDotStartsExtension", "C:\\tools\\qiv.test.exe", "qiv.test"},
                    BaseNameCase{"LongPathPrefix", "\\\\?\\C:\\a\\Qiv.EXE", "Qiv"},
                    BaseNameCase{"ForwardSlashes", "Z:/home/user/Qiv.exe", "Qiv"},
                    BaseNameCase{"DriveRelative", "C:Qiv.exe", "Qiv"}, BaseNameCase{"NameOnly", "Qiv.exe", "Qiv"},
                    BaseNameCase{"NoExtension", "Qiv", "Qiv"}, BaseNameCase{"FolderOnly", "C:\\dir\\", ""},
                    BaseNameCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<BaseNameCase>& caseInfo) { return std::string(caseInfo.param.name); });

}  // namespace
}  // namespace qiv
