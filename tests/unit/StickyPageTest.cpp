// The Sticky Windows page without its window: the text of a rule's row, the rule a found window gives, the
// rule editor's refusals, and which rows a multiple Remove deletes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/RowRemoval.h"
#include "settings/StickyRuleEntry.h"

namespace qiv {
namespace {

TEST(StickyPageTest, RuleText) {
  const struct {
    const char* name;
    const char* text;
    const char* className;
    const char* row;
  } cases[] = {
      {"text only", "Calculator", "", "Calculator"},
      {"class only", "", "SciCalc", "SciCalc"},
      {"both", "Calculator", "SciCalc", "Calculator - SciCalc"},
      {"neither", "", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(RuleText(c.text, c.className), c.row) << c.name;
}

TEST(StickyPageTest, AFoundWindowOffersEachPartItHasComparedWhole) {
  const StickyRule titled = RuleFromWindow("Media Player", "MPlayer");
  EXPECT_TRUE(titled.useText && titled.useClass);
  EXPECT_FALSE(titled.isFragment);
  EXPECT_EQ(titled.text, "Media Player");
  EXPECT_EQ(titled.className, "MPlayer");

  const StickyRule untitled = RuleFromWindow("", "MPlayer");
  EXPECT_FALSE(untitled.useText) << "a window without a title gives a class rule";
  EXPECT_TRUE(untitled.useClass);
}

TEST(StickyPageTest, EditorRefusesRulesThatWouldMatchEveryWindowOrCompareAnEmptyPart) {
  const struct {
    const char* name;
    bool useText;
    const char* text;
    bool useClass;
    const char* className;
    RuleEntryProblem problem;
  } cases[] = {
      {"neither box, values entered", false, "Clock", false, "Clk", RuleEntryProblem::kNothingChecked},
      {"neither box, nothing entered", false, "", false, "", RuleEntryProblem::kNothingChecked},
      {"text box with empty text", true, "", false, "Clk", RuleEntryProblem::kEmptyValue},
      {"class box with empty class", false, "Clock", true, "", RuleEntryProblem::kEmptyValue},
      {"both boxes, empty class", true, "Clock", true, "", RuleEntryProblem::kEmptyValue},
      {"text box with text", true, "Clock", false, "", RuleEntryProblem::kNone},
      {"class box with class", false, "", true, "Clk", RuleEntryProblem::kNone},
      {"both", true, "Clock", true, "Clk", RuleEntryProblem::kNone},
  };
  for (const auto& c : cases) {
    StickyRule entry;
    entry.useText = c.useText;
    entry.text = c.text;
    entry.useClass = c.useClass;
    entry.className = c.className;
    EXPECT_EQ(CheckRuleEntry(entry), c.problem) << c.name;
  }
}

TEST(StickyPageTest, RemoveDeletesExactlyTheSelectedRows) {
  const struct {
    const char* name;
    std::vector<int> selected;
    std::vector<std::string> left;
  } cases[] = {
      {"three apart", {1, 3, 4}, {"a", "c", "f"}},
      {"the first and the last", {0, 5}, {"b", "c", "d", "e"}},
      {"all", {0, 1, 2, 3, 4, 5}, {}},
      {"none", {}, {"a", "b", "c", "d", "e", "f"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> rows = {"a", "b", "c", "d", "e", "f"};
    for (int index : RemovalIndexes(c.selected)) {
      ASSERT_GE(index, 0) << c.name;
      ASSERT_LT(index, static_cast<int>(rows.size())) << c.name;
      rows.erase(rows.begin() + index);
    }
    EXPECT_EQ(rows, c.left) << c.name;
  }
}

}  // namespace
}  // namespace qiv
