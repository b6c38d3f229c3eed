// When the application list shows a window's new title.
#include "applist/TitleComparison.h"

#include <gtest/gtest.h>

#include <string>

namespace qiv {
namespace {

// The lead bytes of a double-byte code page (those of Japanese Shift-JIS).
bool ShiftJisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool NoLeadBytes(unsigned char) { return false; }

struct TitleCase {
  const char* name;
  std::string shown;
  std::string title;
  bool changed;
};

class TitleRefresh : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleRefresh, OnlyARealChangeUpdatesTheItem) {
  const TitleCase& c = GetParam();
  EXPECT_EQ(IsTitleChanged(c.shown, c.title, ShiftJisLeadByte), c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleRefresh,
    ::testing::Values(TitleCase{"Same", "Untitled - Notepad", "Untitled - Notepad", false},
                      TitleCase{"CaseOnly", "Untitled - Notepad", "UNTITLED - notepad", false},
                      TitleCase{"NewText", "Untitled - Notepad", "Letter.txt - Notepad", true},
                      TitleCase{"Longer", "Notepad", "Notepad*", true},
                      // A window that lost its title keeps the text it had.
                      TitleCase{"EmptyTitle", "Notepad", "", false},
                      // The second byte of a two-byte character is no letter, though it has the value of one.
                      TitleCase{"TrailByteIsNoLetter", "\x82\x61", "\x82\x41", true},
                      TitleCase{"SameTwoByteCharacter", "x\x82\x61", "X\x82\x61", false}),
    [](const ::testing::TestParamInfo<TitleCase>& param) { return std::string(param.param.name); });

TEST(TitleRefresh, SingleByteCodePageFoldsEveryLetter) {
  EXPECT_FALSE(IsTitleChanged("\x82\x61", "\x82\x41", NoLeadBytes));
}

}  // namespace
}  // namespace qiv
