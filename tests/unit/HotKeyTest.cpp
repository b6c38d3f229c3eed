// The text form of hot keys, read back as "%d %d" reads it.
#include "engine/HotKey.h"

#include <gtest/gtest.h>

#include <climits>

namespace qiv {
namespace {

struct ReadCase {
  const char* text;
  HotKey expected;  // read into {1, 3}
};

TEST(HotKeyTest, ReadKeepsWhatCannotBeRead) {
  const ReadCase cases[] = {
      {"65 4", {65, 4}},
      {"65", {65, 3}},
      {"65x4", {65, 3}},
      {"", {1, 3}},
      {"x 4", {1, 3}},
      {"  -7\t+2", {-7, 2}},
      {"99999999999 -99999999999", {INT_MAX, INT_MIN}},
  };
  for (const ReadCase& c : cases) {
    HotKey hotKey{1, 3};
    hotKey.ReadText(c.text);
    EXPECT_EQ(hotKey, c.expected) << '"' << c.text << '"';
  }
}

TEST(HotKeyTest, TextRoundTrips) {
  const HotKey hotKeys[] = {{37, 3}, {0, 0}, {-5, 7}, {INT_MIN, INT_MAX}};
  for (const HotKey& hotKey : hotKeys) {
    HotKey read;
    read.ReadText(hotKey.ToText());
    EXPECT_EQ(read, hotKey) << hotKey.ToText();
  }
  EXPECT_EQ((HotKey{39, 3}.ToText()), "39 3");
}

TEST(HotKeyTest, EqualOnlyWhenBothFieldsAre) {
  EXPECT_EQ((HotKey{49, 3}), (HotKey{49, 3}));
  EXPECT_NE((HotKey{49, 3}), (HotKey{49, 1}));
  EXPECT_NE((HotKey{49, 3}), (HotKey{50, 3}));
}

}  // namespace
}  // namespace qiv
