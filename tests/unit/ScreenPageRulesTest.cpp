// The Screens page's rules: the fit of another screen, the selection after a removal, the buttons a selection
// enables and the check boxes of the button contents.
#include "settings/ScreenPageRules.h"

#include <gtest/gtest.h>

#include <climits>

namespace qiv {
namespace {

struct FitCase {
  const char* name;
  int count;
  int workAreaWidth;
  int captionHeight;
  bool doubleWidth;
  bool fits;
};

class ScreenAddFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScreenAddFitTest, ScreensBeyondTwoMustFitTheWorkArea) {
  const FitCase& c = GetParam();
  EXPECT_EQ(ScreenAddFits(c.count, c.workAreaWidth, c.captionHeight, c.doubleWidth), c.fits);
}

INSTANTIATE_TEST_SUITE_P(Counts, ScreenAddFitTest,
                         ::testing::Values(FitCase{"FiveDoubleWidthRefused", 5, 100, 18, true,
                                                   false},  // 3 x 18 x 2 = 108
                                           FitCase{"FiveSingleWidthAccepted", 5, 100, 18, false, true},  // 54
                                           FitCase{"ExactlyTheWidthAccepted", 5, 108, 18, true, true},
                                           FitCase{"TwoNeverRefused", 2, 0, 18, true, true},
                                           FitCase{"OneNeverRefused", 1, 0, 18, true, true},
                                           FitCase{"EmptyListNeverRefused", 0, 0, 18, true, true},
                                           FitCase{"HugeCountDoesNotWrap", INT_MAX, INT_MAX, 18, true, false}),
                         [](const ::testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

TEST(ScreenPageRules, NewScreensAreNumberedAfterTheList) {
  EXPECT_EQ(NewScreenName(5), "Screen N 6");
  EXPECT_EQ(NewScreenName(0), "Screen N 1");
}

TEST(ScreenPageRules, RemovalKeepsThePlaceOrTakesTheNewLast) {
  struct Case {
    int removed, remaining, expected;
  };
  const Case cases[] = {
      {0, 4, 0},   // the first: the next one moves up into its place
      {2, 4, 2},   // one in the middle
      {4, 4, 3},   // the last: the new last
      {0, 0, -1},  // the only one: nothing left to select
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectionAfterRemove(c.removed, c.remaining), c.expected) << c.removed << " of " << c.remaining + 1;
  }
}

TEST(ScreenPageRules, ButtonStatesFollowTheSelection) {
  struct Case {
    int selection, count;
    ScreenButtonStates expected;  // remove, rename, change icon, left, right
  };
  const Case cases[] = {
      {-1, 5, {false, false, false, false, false}}, {0, 5, {true, true, true, false, true}},
      {2, 5, {true, true, true, true, true}},       {4, 5, {true, true, true, true, false}},
      {0, 1, {true, true, true, false, false}},     {-1, 0, {false, false, false, false, false}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScreenButtonStatesFor(c.selection, c.count), c.expected) << c.selection << " of " << c.count;
  }
}

TEST(ScreenPageRules, IconAndNumberNeedDoubleWidth) {
  // {double width, icon, number}
  EXPECT_EQ(AfterContentClicked({false, true, true}), (ButtonLook{true, true, true}));
  EXPECT_EQ(AfterContentClicked({false, true, false}), (ButtonLook{false, true, false}));
  EXPECT_EQ(AfterContentClicked({true, true, true}), (ButtonLook{true, true, true}));
  EXPECT_EQ(AfterDoubleWidthClicked({false, true, true}), (ButtonLook{false, true, false}));
  EXPECT_EQ(AfterDoubleWidthClicked({false, false, true}), (ButtonLook{false, false, true}));
  EXPECT_EQ(AfterDoubleWidthClicked({true, true, true}), (ButtonLook{true, true, true}));
}

}  // namespace
}  // namespace qiv
