// The panel's tooltip texts and its answer to reported key presses.
#include <gtest/gtest.h>

#include "panel/HotKeyRouting.h"
#include "panel/ScreenTipText.h"

namespace qiv {
namespace {

struct TipCase {
  const char* name;
  bool showName, showContent;
  std::vector<std::string> titles;
  const char* expected;
};

class ScreenTip : public ::testing::TestWithParam<TipCase> {};

TEST_P(ScreenTip, Text) {
  const TipCase& c = GetParam();
  EXPECT_EQ(ScreenTipText("Web", c.showName, c.showContent, c.titles), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenTip,
    ::testing::Values(TipCase{"NameAndContent", true, true, {"Mail", "Browser"}, "__ Web __\r\n1. Mail\r\n2. Browser"},
                      TipCase{"NameOnly", true, false, {"Mail"}, "Web"},
                      TipCase{"ContentOnly", false, true, {"Mail"}, "1. Mail"},
                      TipCase{"UntitledWindowsKeepTheirNumbers", true, true, {"", "Mail", ""}, "__ Web __\r\n2. Mail"},
                      TipCase{"OnlyUntitledWindows", true, true, {"", ""}, "__ Web __\r\n(empty)"},
                      TipCase{"EmptyContentOnly", false, true, {}, "(empty)"},
                      TipCase{"Neither", false, false, {"Mail"}, ""}),
    [](const ::testing::TestParamInfo<TipCase>& param) { return std::string(param.param.name); });

constexpr HotKey kNext{39, 3};
constexpr HotKey kPrevious{37, 3};

struct KeyCase {
  const char* name;
  HotKey pressed;
  bool locked;
  int current;
  HotKeyDecision expected;
};

class HotKeyRoute : public ::testing::TestWithParam<KeyCase> {};

TEST_P(HotKeyRoute, Decision) {
  const KeyCase& c = GetParam();
  // Four screens; screens 1 and 3 share a key, so the first wins.
  const std::vector<HotKey> screenKeys = {{49, 3}, {50, 3}, {0, 0}, {50, 3}};
  const HotKeyDecision decision = RouteHotKey(c.pressed, c.locked, kNext, kPrevious, screenKeys, c.current);
  EXPECT_EQ(decision.screenToSelect, c.expected.screenToSelect);
  EXPECT_EQ(decision.swallow, c.expected.swallow);
}

INSTANTIATE_TEST_SUITE_P(Cases, HotKeyRoute,
                         ::testing::Values(KeyCase{"NextStepsOn", kNext, false, 1, {2, false}},
                                           KeyCase{"NextWrapsToFirst", kNext, false, 3, {0, false}},
                                           KeyCase{"PreviousWrapsToLast", kPrevious, false, 0, {3, false}},
                                           KeyCase{"ScreenKeyIsSwallowed", {49, 3}, false, 2, {0, true}},
                                           KeyCase{"FirstScreenWithTheKeyWins", {50, 3}, false, 0, {1, true}},
                                           KeyCase{"OtherModifiersDoNotMatch", {49, 1}, false, 0, {-1, false}},
                                           KeyCase{"LockedPassesScreenKeysOn", {49, 3}, true, 2, {-1, false}},
                                           KeyCase{"LockedPassesNextOn", kNext, true, 2, {-1, false}}),
                         [](const ::testing::TestParamInfo<KeyCase>& param) { return std::string(param.param.name); });

// The hook's own table must give every key the answer the panel would give: a key it swallows that the panel lets
// through, or the other way round, changes what the user's application receives.
TEST(HotKeysToIntercept, EachSwitchingKeyOnceWithThePanelsAnswer) {
  const std::vector<HotKey> screenKeys = {{49, 3}, {50, 3}, {0, 0}, {50, 3}, kNext};
  const std::vector<InterceptedHotKey> expected = {
      {kNext, false}, {kPrevious, false}, {{49, 3}, true}, {{50, 3}, true}};
  EXPECT_EQ(HotKeysToIntercept(false, kNext, kPrevious, screenKeys), expected)
      << "no empty key, no key twice, and a screen's key that is also the next key passes like the next key";
  EXPECT_TRUE(HotKeysToIntercept(true, kNext, kPrevious, screenKeys).empty()) << "a locked panel passes keys on";
  EXPECT_TRUE(HotKeysToIntercept(false, kNext, kPrevious, {}).empty()) << "no screen, nothing to switch to";
  const std::vector<InterceptedHotKey> withoutNext = {{kPrevious, false}, {{49, 3}, true}};
  EXPECT_EQ(HotKeysToIntercept(false, HotKey{}, kPrevious, {{49, 3}}), withoutNext);
}

}  // namespace
}  // namespace qiv
