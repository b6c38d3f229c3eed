// The keys the hot key dialog offers, the text a hot key is shown with, and the refusal of a combination in use.
#include "settings/HotKeyNames.h"

#include <gtest/gtest.h>

#include "settings/HotKeyConflict.h"

namespace qiv {
namespace {

TEST(KeyNameTable, HoldsTheSixtyThreeKeysInDialogOrder) {
  const std::vector<KeyName>& table = KeyNameTable();
  ASSERT_EQ(table.size(), 63u);
  struct Expected {
    std::size_t index;
    const char* name;
    std::int32_t code;
  };
  const Expected expected[] = {
      {0, "None", 0},   {1, "0", 48},      {10, "9", 57},        {11, "A", 65},         {36, "Z", 90},
      {37, "F1", 112},  {48, "F12", 123},  {49, "NUMPAD 0", 96}, {58, "NUMPAD 9", 105}, {59, "Up", 38},
      {60, "Down", 40}, {61, "Right", 39}, {62, "Left", 37},
  };
  for (const Expected& entry : expected) {
    EXPECT_EQ(table[entry.index].name, entry.name) << entry.index;
    EXPECT_EQ(table[entry.index].code, entry.code) << entry.index;
  }
  // Between the fixed points the codes run on one by one.
  for (std::size_t index = 1; index < 59; ++index) {
    if (index == 1 || index == 11 || index == 37 || index == 49) continue;
    EXPECT_EQ(table[index].code, table[index - 1].code + 1) << table[index].name;
  }
}

struct TextCase {
  const char* name;
  HotKey hotKey;
  const char* expected;
};

class HotKeyTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(HotKeyTextTest, NameThenModifiersInFixedOrder) { EXPECT_EQ(HotKeyText(GetParam().hotKey), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Keys, HotKeyTextTest,
                         ::testing::Values(TextCase{"LeftCtrlAlt", {37, 3}, "Left + Ctrl / Alt"},
                                           TextCase{"NoKey", {0, 0}, "None"}, TextCase{"LetterAlone", {65, 0}, "A"},
                                           TextCase{"ShiftOnly", {112, 4}, "F1 + Shift"},
                                           TextCase{"AllModifiers", {101, 7}, "NUMPAD 5 + Ctrl / Alt / Shift"},
                                           TextCase{"AltShift", {'1', 6}, "1 + Alt / Shift"},
                                           TextCase{"NoneWithModifiers", {0, 1}, "None + Ctrl"},
                                           TextCase{"UnknownKey", {200, 2}, "None + Alt"}),
                         [](const ::testing::TestParamInfo<TextCase>& param) { return std::string(param.param.name); });

TEST(NumpadRule, OnlyTheKeypadDigitsLoseShift) {
  EXPECT_TRUE(IsNumpadKey(96));
  EXPECT_TRUE(IsNumpadKey(101));
  EXPECT_TRUE(IsNumpadKey(105));
  EXPECT_FALSE(IsNumpadKey(95));
  EXPECT_FALSE(IsNumpadKey(106));
  EXPECT_FALSE(IsNumpadKey('A'));
  EXPECT_FALSE(IsNumpadKey(0));
}

struct ConflictCase {
  const char* name;
  HotKey candidate;
  int editedRow;
  bool taken;
};

class HotKeyConflictTest : public ::testing::TestWithParam<ConflictCase> {};

// Screens 1 and 2 on Ctrl+Alt+1 and +2, a screen without a key, then previous and next screen.
const std::vector<HotKey> kRowKeys = {{'1', 3}, {'2', 3}, {0, 3}, {37, 3}, {39, 3}};

TEST_P(HotKeyConflictTest, AnotherRowsCombinationIsRefused) {
  const ConflictCase& c = GetParam();
  EXPECT_EQ(IsHotKeyTaken(c.candidate, kRowKeys, c.editedRow), c.taken);
}

INSTANTIATE_TEST_SUITE_P(Rows, HotKeyConflictTest,
                         ::testing::Values(ConflictCase{"ScreensKeyForNextScreen", {'1', 3}, 4, true},
                                           ConflictCase{"OwnCombination", {39, 3}, 4, false},
                                           ConflictCase{"OwnCombinationOfAScreen", {'2', 3}, 1, false},
                                           ConflictCase{"SameKeyOtherModifiers", {'1', 1}, 4, false},
                                           ConflictCase{"NoneEvenWhereAnotherHasIt", {0, 3}, 0, false},
                                           ConflictCase{"NoneWithAnyModifiers", {0, 7}, 4, false},
                                           ConflictCase{"FreeCombination", {'9', 3}, 0, false},
                                           ConflictCase{"NextScreensKeyForAScreen", {39, 3}, 0, true}),
                         [](const ::testing::TestParamInfo<ConflictCase>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
}  // namespace qiv
