// Sticky rules: matching windows by text and class, and the "Sticky" key they are stored in.
#include "engine/StickyRuleList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/MemoryRegistry.h"

namespace qiv {
namespace {

using namespace std::string_literals;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

StickyRule Rule(const std::string& text, const std::string& className, std::uint32_t flags) {
  StickyRule rule;
  rule.text = text;
  rule.className = className;
  rule.SetFlags(flags);
  return rule;
}

struct MatchCase {
  const char* name;
  std::vector<StickyRule> rules;
  const char* windowText;
  const char* className;
  bool matches;
};

TEST(StickyRuleTest, MatchesStickyRule) {
  constexpr std::uint32_t kText = StickyRule::kUseTextFlag;
  constexpr std::uint32_t kFragment = StickyRule::kUseTextFlag | StickyRule::kFragmentFlag;
  constexpr std::uint32_t kClass = StickyRule::kUseClassFlag;
  const MatchCase cases[] = {
      {"whole text", {Rule("Calculator", "", kText)}, "Calculator", "SciCalc", true},
      {"whole text is not a fragment", {Rule("Calc", "", kText)}, "Calculator", "SciCalc", false},
      {"fragment inside", {Rule("Media", "", kFragment)}, "My Media Player", "X", true},
      {"fragment differs in case", {Rule("media", "", kFragment)}, "My Media Player", "X", false},
      {"text differs in case", {Rule("calculator", "", kText)}, "Calculator", "X", false},
      {"class", {Rule("", "Shell_TrayWnd", kClass)}, "", "Shell_TrayWnd", true},
      {"class differs in case", {Rule("", "shell_traywnd", kClass)}, "", "Shell_TrayWnd", false},
      {"text and class both needed", {Rule("Clock", "Clk", kText | kClass)}, "Clock", "Other", false},
      {"text and class", {Rule("Clock", "Clk", kText | kClass)}, "Clock", "Clk", true},
      {"class ignored without its flag", {Rule("Clock", "Clk", kText)}, "Clock", "Other", true},
      {"a later rule matches", {Rule("A", "", kText), Rule("", "B", kClass)}, "Z", "B", true},
      {"no rules", {}, "Text", "Class", false},
      {"neither flag matches any window", {Rule("x", "y", 0)}, "Text", "", true},
      {"neither flag, window without text or class", {Rule("", "", 0)}, "", "", false},
      {"empty rule text, window with a class only", {Rule("", "", kText)}, "", "Cls", true},
  };
  for (const MatchCase& c : cases) {
    StickyRuleList rules;
    for (const StickyRule& rule : c.rules) rules.Append(rule);
    EXPECT_EQ(MatchesStickyRule(rules, c.windowText, c.className), c.matches) << c.name;
  }
}

TEST(StickyRuleTest, FlagsRoundTripAndIgnoreOtherBits) {
  for (std::uint32_t flags = 0; flags < 8; ++flags) {
    EXPECT_EQ(Rule("", "", flags).Flags(), flags);
  }
  EXPECT_EQ(Rule("", "", 0xFFFFFFF8u | StickyRule::kUseClassFlag).Flags(), StickyRule::kUseClassFlag);
}

TEST(StickyRuleTest, ListOperations) {
  StickyRuleList rules;
  rules.Append(Rule("A", "", 1));
  rules.Append(Rule("B", "", 1));
  rules.Append(Rule("C", "", 1));
  rules.Remove(1);
  rules.Remove(7);
  ASSERT_EQ(rules.Count(), 2);
  EXPECT_EQ(rules.At(1)->text, "C");
  EXPECT_EQ(rules.At(2), nullptr);
  StickyRuleList copy = rules;
  rules.Clear();
  EXPECT_EQ(rules.Count(), 0);
  EXPECT_EQ(copy.Count(), 2);
}

class StickyRuleStoreTest : public testing::Test {
 protected:
  void Store(const std::string& name, const std::string& text) {
    registry_.PutString(kUser, StickyRuleList::kRegistryPath, name, text);
  }
  void StoreFlag(const std::string& name, std::uint32_t flags) {
    registry_.PutDword(kUser, StickyRuleList::kRegistryPath, name, flags);
  }

  MemoryRegistry registry_;
  StickyRuleList rules_;
};

TEST_F(StickyRuleStoreTest, ARuleNeedsAllThreeValues) {
  Store("Text #0", "Clock");
  Store("Class #0", "Clk");
  StoreFlag("Flag #0", 5);
  Store("Text #1", "Orphan");
  rules_.Load(registry_);
  ASSERT_EQ(rules_.Count(), 1);
  EXPECT_EQ(rules_.At(0)->text, "Clock");
  EXPECT_EQ(rules_.At(0)->className, "Clk");
  EXPECT_TRUE(rules_.At(0)->useText);
  EXPECT_FALSE(rules_.At(0)->isFragment);
  EXPECT_TRUE(rules_.At(0)->useClass);
}

TEST_F(StickyRuleStoreTest, PositionsMissingInsideTheRangeLoadEmpty) {
  Store("Class #2", "C2");
  Store("Text #2", "T2");
  Store("Text #0", "T0");
  Store("Class #1", "C1");
  StoreFlag("Flag #2", 1);
  StoreFlag("Flag #0", 4);
  Store("text #3", "letter case counts");
  rules_.Load(registry_);
  ASSERT_EQ(rules_.Count(), 3);
  EXPECT_EQ(rules_.At(0)->className, "");
  EXPECT_EQ(rules_.At(1)->text, "");
  EXPECT_EQ(rules_.At(1)->Flags(), 0u);
  EXPECT_EQ(rules_.At(2)->text, "T2");
  EXPECT_EQ(rules_.At(2)->Flags(), 1u);
}

TEST_F(StickyRuleStoreTest, TheFlagWordIsTheFirstFourBytesOfAnyType) {
  Store("Text #0", "");
  Store("Class #0", "");
  registry_.Put(kUser, StickyRuleList::kRegistryPath, "Flag #0", kRegBinary, {6});
  Store("Text #1", "");
  Store("Class #1", "");
  registry_.Put(kUser, StickyRuleList::kRegistryPath, "Flag #1", kRegBinary, {1, 0, 0, 0, 4});
  rules_.Load(registry_);
  ASSERT_EQ(rules_.Count(), 2);
  EXPECT_EQ(rules_.At(0)->Flags(), 6u);
  EXPECT_EQ(rules_.At(1)->Flags(), 1u);
}

TEST_F(StickyRuleStoreTest, AMissingKeyLeavesTheListAsItIs) {
  rules_.Append(Rule("Kept", "", 1));
  rules_.Load(registry_);
  ASSERT_EQ(rules_.Count(), 1);
  EXPECT_EQ(rules_.At(0)->text, "Kept");
}

TEST_F(StickyRuleStoreTest, SaveWritesStringsWithoutTheTerminatingZero) {
  Store("Text #5", "stale");
  rules_.Append(Rule("Media", "Player", StickyRule::kUseTextFlag | StickyRule::kFragmentFlag));
  rules_.Append(Rule("", "Tray", StickyRule::kUseClassFlag));
  rules_.Save(registry_);
  const auto values = registry_.Values(kUser, StickyRuleList::kRegistryPath);
  ASSERT_EQ(values.size(), 6u);
  const char* const names[] = {"Text #0", "Class #0", "Flag #0", "Text #1", "Class #1", "Flag #1"};
  const std::uint32_t types[] = {kRegString, kRegString, kRegDword, kRegString, kRegString, kRegDword};
  const std::string data[] = {"Media", "Player", "\3\0\0\0"s, "", "Tray", "\4\0\0\0"s};
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].name, names[i]);
    EXPECT_EQ(values[i].type, types[i]) << names[i];
    EXPECT_EQ(MemoryRegistry::DataText(values[i]), data[i]) << names[i];
  }

  StickyRuleList loaded;
  loaded.Load(registry_);
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.At(0)->text, "Media");
  EXPECT_EQ(loaded.At(0)->className, "Player");
  EXPECT_EQ(loaded.At(0)->Flags(), 3u);
  EXPECT_EQ(loaded.At(1)->className, "Tray");
}

TEST_F(StickyRuleStoreTest, AKeyThatCannotBeCreatedStopsTheSaveSilently) {
  Store("Text #0", "stale");
  registry_.SetCreateKeyFails(true);
  rules_.Append(Rule("A", "", 1));
  rules_.Save(registry_);
  EXPECT_FALSE(registry_.KeyExists(kUser, StickyRuleList::kRegistryPath));
}

}  // namespace
}  // namespace qiv
