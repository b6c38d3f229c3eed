// The visibility tick's decision for the panel and its resizer grip.
#include "panel/PanelVisibility.h"

#include <gtest/gtest.h>

namespace qiv {
namespace {

TEST(PanelVisibilityTest, DecideVisibility) {
  const struct {
    const char* name;
    VisibilityInput input;
    VisibilityDecision expected;
  } cases[] = {
      {"always shown", {false, false, false, false, false, false}, {true, true}},
      {"shown only when pointed, pointer away", {true, false, false, false, false, false}, {false, false}},
      {"shown only when pointed, pointer near", {true, true, false, false, false, false}, {true, true}},
      {"pointer away but a menu is open", {true, false, true, false, false, false}, {true, true}},
      {"grip only near, pointer away from it", {false, false, false, true, false, false}, {true, false}},
      {"grip only near, pointer near it", {false, false, false, true, true, false}, {true, true}},
      {"grip dragged away from its place", {false, false, false, true, false, true}, {true, true}},
      {"no grip without the panel, even near it", {true, false, false, false, true, true}, {false, false}},
  };
  for (const auto& c : cases) EXPECT_EQ(DecideVisibility(c.input), c.expected) << c.name;
}

}  // namespace
}  // namespace qiv
