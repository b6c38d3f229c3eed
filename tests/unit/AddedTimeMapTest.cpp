// When windows were added to a screen: the one-time "recently added" answer and its 2000 ms bound across the wrap
// of the tick count.
#include "engine/AddedTimeMap.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/fakes/FakeClock.h"

namespace qiv {
namespace {

const WindowHandle kWindow = reinterpret_cast<WindowHandle>(0x10);

struct RecentCase {
  const char* name;
  std::uint32_t addedAt;
  std::uint32_t askedAt;
  bool recent;
};

TEST(AddedTimeMapTest, WasRecentlyAddedWithinTwoSecondsAndOnlyOnce) {
  const RecentCase cases[] = {
      {"at once", 5000, 5000, true},
      {"at the limit", 5000, 7000, true},
      {"just past the limit", 5000, 7001, false},
      {"across the wrap of the tick count", 0xFFFFFF00u, 0x00000500u, true},
      {"past the limit across the wrap", 0xFFFFFF00u, 0x00000800u, false},
  };
  for (const RecentCase& c : cases) {
    FakeClock clock;
    AddedTimeMap times(clock);
    clock.SetNow(c.addedAt);
    times.Record(kWindow);
    clock.SetNow(c.askedAt);
    EXPECT_EQ(times.WasRecentlyAdded(kWindow), c.recent) << c.name;
    EXPECT_FALSE(times.WasRecentlyAdded(kWindow)) << c.name << ": a second answer";
  }
}

TEST(AddedTimeMapTest, RecordingAgainRestartsTheTime) {
  FakeClock clock;
  AddedTimeMap times(clock);
  times.Record(kWindow);
  clock.Advance(1500);
  times.Record(kWindow);
  clock.Advance(1500);
  EXPECT_TRUE(times.WasRecentlyAdded(kWindow));
}

TEST(AddedTimeMapTest, PurgeDropsOnlyOldRecords) {
  const WindowHandle old = reinterpret_cast<WindowHandle>(0x20);
  FakeClock clock;
  clock.SetNow(0);
  AddedTimeMap times(clock);
  times.Record(old);
  clock.SetNow(1500);
  times.Record(kWindow);
  clock.SetNow(2500);
  times.PurgeAddedTimes();
  EXPECT_TRUE(times.WasRecentlyAdded(kWindow));
  // A purged record cannot look recent again when the tick count comes round 49.7 days later.
  clock.SetNow(500);
  EXPECT_FALSE(times.WasRecentlyAdded(old));
}

}  // namespace
}  // namespace qiv
