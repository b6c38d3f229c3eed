// The screen list: its operations, its icons, and the "Screens" key it is stored in.
#include "engine/ScreenList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/FakeIconSource.h"
#include "tests/fakes/MemoryRegistry.h"

namespace qiv {
namespace {

using namespace std::string_literals;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

class ScreenListTest : public testing::Test {
 protected:
  void Store(const std::string& name, const std::string& text) {
    registry_.PutString(kUser, ScreenList::kRegistryPath, name, text);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < list_.Count(); ++i) names.push_back(list_.Name(i));
    return names;
  }
  std::vector<std::string> StoredNames() const {
    std::vector<std::string> names;
    for (const RegistryValue& value : registry_.Values(kUser, ScreenList::kRegistryPath)) names.push_back(value.name);
    return names;
  }

  MemoryRegistry registry_;
  FakeIconSource icons_;
  ScreenList list_{icons_};
};

TEST_F(ScreenListTest, NoKeyGivesTheFiveDefaultScreens) {
  list_.Load(registry_);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Main", "The Web", "Music", "Pictures", "Misc"}));
  const char* const iconSources[] = {"resource 201", "resource 200", "resource 198", "resource 199", "resource 172"};
  for (int i = 0; i < list_.Count(); ++i) {
    EXPECT_EQ(list_.IconFile(i), "");
    EXPECT_EQ(list_.IconIndex(i), i);
    EXPECT_EQ(list_.HotKeyOf(i), (HotKey{'1' + i, HotKey::kCtrl | HotKey::kAlt}));
    EXPECT_EQ(icons_.SourceOf(list_.Icon(i)), iconSources[i]);
  }
}

TEST_F(ScreenListTest, SaveWritesThreeStringsPerScreenCountingTheTerminatingZero) {
  list_.Load(registry_);
  list_.Save(registry_, false);
  const auto values = registry_.Values(kUser, ScreenList::kRegistryPath);
  ASSERT_EQ(values.size(), 15u);
  for (const RegistryValue& value : values) EXPECT_EQ(value.type, kRegString) << value.name;
  EXPECT_EQ(values[0].name, "Screen #0");
  EXPECT_EQ(MemoryRegistry::DataText(values[0]), " 0\0"s) << "a built-in icon is a blank and its number";
  EXPECT_EQ(values[1].name, "ScreenName #0");
  EXPECT_EQ(MemoryRegistry::DataText(values[1]), "Main\0"s);
  EXPECT_EQ(values[2].name, "HotKey #0");
  EXPECT_EQ(MemoryRegistry::DataText(values[2]), "49 3\0"s);
  EXPECT_EQ(values[14].name, "HotKey #4");
  EXPECT_EQ(MemoryRegistry::DataText(values[14]), "53 3\0"s);
}

TEST_F(ScreenListTest, GapsAreFilledWithScreensNamedByTheirNumber) {
  Store("Screen #2", " 3");
  Store("ScreenName #2", "Third");
  Store("HotKey #2", "52 5");
  Store("Screen #0", " 1");
  list_.Load(registry_);
  ASSERT_EQ(list_.Count(), 3);
  EXPECT_EQ(Names(), (std::vector<std::string>{"", "2", "Third"}));
  EXPECT_EQ(list_.HotKeyOf(0), HotKey{});
  EXPECT_EQ(list_.HotKeyOf(1), HotKey{});
  EXPECT_EQ(list_.IconIndex(1), 0);
  EXPECT_EQ(list_.IconFile(1), "");
  EXPECT_EQ(list_.HotKeyOf(2), (HotKey{52, 5}));
  EXPECT_EQ(list_.IconIndex(2), 3);
}

TEST_F(ScreenListTest, NamesAndHotKeysOfPositionsWithoutAScreenAreIgnored) {
  Store("HotKey #7", "65 1");
  Store("ScreenName #7", "Lost");
  Store("Screen #0", " 0");
  Store("ScreenName #0", "Only");
  Store("HotKey #0", "66");
  list_.Load(registry_);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Only"}));
  EXPECT_EQ(list_.HotKeyOf(0), (HotKey{66, 0}));
}

struct IconTextCase {
  const char* stored;
  const char* iconFile;
  std::int32_t iconIndex;
};

TEST_F(ScreenListTest, TheIconTextSplitsAtTheLastBlank) {
  const IconTextCase cases[] = {
      {" 2", "", 2},
      {"C:\\Program Files\\My Icons\\set.dll 3", "C:\\Program Files\\My Icons\\set.dll", 3},
      {"C:\\x.dll", "C:\\x.dll", 0},
      {"12abc", "12abc", 12},
      {"C:\\x.dll y", "C:\\x.dll", 0},
      {"C:\\x.dll ", "C:\\x.dll", 0},
  };
  for (const IconTextCase& c : cases) {
    MemoryRegistry registry;
    registry.PutString(kUser, ScreenList::kRegistryPath, "Screen #0", c.stored);
    list_.Load(registry);
    ASSERT_EQ(list_.Count(), 1) << c.stored;
    EXPECT_EQ(list_.IconFile(0), c.iconFile) << c.stored;
    EXPECT_EQ(list_.IconIndex(0), c.iconIndex) << c.stored;
  }
}

TEST_F(ScreenListTest, AnIconPathWithBlanksSurvivesSaveAndLoad) {
  const std::string file = "C:\\My Icons\\a b.ico";
  list_.Add("Work", file, 4, HotKey{70, 7}, 0);
  list_.Save(registry_, false);
  ScreenList loaded(icons_);
  loaded.Load(registry_);
  ASSERT_EQ(loaded.Count(), 1);
  EXPECT_EQ(loaded.Name(0), "Work");
  EXPECT_EQ(loaded.IconFile(0), file);
  EXPECT_EQ(loaded.IconIndex(0), 4);
  EXPECT_EQ(loaded.HotKeyOf(0), (HotKey{70, 7}));
  EXPECT_EQ(icons_.SourceOf(loaded.Icon(0)), "file " + file + " 4");
}

TEST_F(ScreenListTest, OnlyExactPrefixesWithAPlausiblePositionCount) {
  Store("Screen #", " 1");            // no number: position 0
  Store("Screen #0", " 2");           // the first screen of a position wins
  Store("screen #1", " 0");           // letter case counts
  Store("Screen #-1", " 0");          // a negative position cannot be placed
  Store("Screen #2000000000", " 0");  // nor one the list would have to grow to
  Store("ScreenName #", "Zero");
  list_.Load(registry_);
  ASSERT_EQ(list_.Count(), 1);
  EXPECT_EQ(list_.IconIndex(0), 1);
  EXPECT_EQ(list_.Name(0), "Zero");
}

TEST_F(ScreenListTest, AValueThatDoesNotFitEndsTheEnumeration) {
  Store("Screen #0", " 0");
  registry_.Put(kUser, ScreenList::kRegistryPath, "Large", kRegBinary, std::vector<std::uint8_t>(1001, 'x'));
  Store("Screen #1", " 1");
  list_.Load(registry_);
  EXPECT_EQ(list_.Count(), 1);
}

TEST_F(ScreenListTest, SavingRewritesTheKeyDensely) {
  Store("Screen #0", " 0");
  Store("Screen #3", " 0");
  Store("HotKey #9", "1 1");
  list_.Load(registry_);
  list_.Save(registry_, false);
  EXPECT_EQ(StoredNames(), (std::vector<std::string>{"Screen #0", "ScreenName #0", "HotKey #0", "Screen #1",
                                                     "ScreenName #1", "HotKey #1", "Screen #2", "ScreenName #2",
                                                     "HotKey #2", "Screen #3", "ScreenName #3", "HotKey #3"}));
}

TEST_F(ScreenListTest, NothingIsWrittenWhileSavingIsBlocked) {
  Store("HotKey #9", "1 1");
  list_.Load(registry_);
  list_.Save(registry_, true);
  EXPECT_EQ(StoredNames(), (std::vector<std::string>{"HotKey #9"}));
}

TEST_F(ScreenListTest, AKeyThatCannotBeCreatedStopsTheSaveSilently) {
  Store("HotKey #9", "1 1");
  list_.Load(registry_);
  registry_.SetCreateKeyFails(true);
  list_.Save(registry_, false);
  EXPECT_FALSE(registry_.KeyExists(kUser, ScreenList::kRegistryPath));
}

TEST_F(ScreenListTest, AddTakesEmptyPositionsAndDropsOccupiedOnes) {
  EXPECT_TRUE(list_.Add("A", "", 0, HotKey{}, 0));
  EXPECT_TRUE(list_.Add("C", "", 0, HotKey{}, 2));
  EXPECT_EQ(list_.Count(), 3);
  EXPECT_EQ(list_.At(1), nullptr);
  EXPECT_EQ(list_.Name(1), "");
  EXPECT_FALSE(list_.Add("X", "", 0, HotKey{}, 2));
  EXPECT_TRUE(list_.Add("B", "", 0, HotKey{}, 1));
  EXPECT_FALSE(list_.Add("Y", "", 0, HotKey{}, -1));
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
}

struct MoveCase {
  const char* name;
  bool up;
  int position;
  bool answer;
  std::vector<std::string> after;
};

TEST_F(ScreenListTest, MovesExchangeNeighboursWithinTheList) {
  const MoveCase cases[] = {
      {"first up", true, 0, false, {"A", "B", "C"}},        {"middle up", true, 1, true, {"B", "A", "C"}},
      {"last up", true, 2, true, {"A", "C", "B"}},          {"past the end up", true, 3, false, {"A", "B", "C"}},
      {"first down", false, 0, true, {"B", "A", "C"}},      {"last down", false, 2, false, {"A", "B", "C"}},
      {"negative down", false, -1, false, {"A", "B", "C"}},
  };
  for (const MoveCase& c : cases) {
    ScreenList list(icons_);
    for (const char* name : {"A", "B", "C"}) list.Add(name, "", 0, HotKey{}, list.Count());
    EXPECT_EQ(c.up ? list.MoveUp(c.position) : list.MoveDown(c.position), c.answer) << c.name;
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(list.Name(i));
    EXPECT_EQ(names, c.after) << c.name;
  }
}

TEST_F(ScreenListTest, RemoveRenameAndHotKeyChangeOnlyTheirPosition) {
  for (const char* name : {"A", "B", "C"}) list_.Add(name, "", 0, HotKey{}, list_.Count());
  list_.Remove(1);
  list_.Remove(5);
  list_.Rename(1, "Renamed");
  list_.Rename(4, "Nowhere");
  list_.SetHotKey(0, HotKey{81, 4});
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "Renamed"}));
  EXPECT_EQ(list_.HotKeyOf(0), (HotKey{81, 4}));
  EXPECT_EQ(list_.HotKeyOf(1), HotKey{});
}

struct IconCase {
  const char* name;
  const char* iconFile;
  std::int32_t iconIndex;
  int missingResource;         // 0: none
  const char* expectedSource;  // empty: no icon
};

TEST_F(ScreenListTest, SetIconUsesTheFileOrTheBuiltInTable) {
  const IconCase cases[] = {
      {"built-in 0", "", 0, 0, "resource 201"},
      {"built-in 3", "", 3, 0, "resource 199"},
      {"unknown built-in", "", 5, 0, "resource 172"},
      {"negative built-in", "", -1, 0, "resource 172"},
      {"built-in that fails to load", "", 1, 200, "resource 172"},
      {"file", "C:\\a.dll", 2, 0, "file C:\\a.dll 2"},
      {"file without the icon", "C:\\missing.dll", 2, 0, ""},
  };
  for (const IconCase& c : cases) {
    FakeIconSource icons;
    icons.SetFileMissing("C:\\missing.dll");
    if (c.missingResource != 0) icons.SetBuiltinMissing(c.missingResource);
    ScreenList list(icons);
    list.Add("S", "C:\\first.ico", 0, HotKey{}, 0);
    const IconHandle first = list.Icon(0);
    list.SetIcon(0, c.iconFile, c.iconIndex);
    EXPECT_EQ(list.IconFile(0), c.iconFile) << c.name;
    EXPECT_EQ(list.IconIndex(0), c.iconIndex) << c.name;
    EXPECT_EQ(icons.SourceOf(list.Icon(0)), c.expectedSource) << c.name;
    // The replaced icon stays registered for the end of the program; the new one joins it.
    std::vector<IconHandle> expected{first};
    if (list.Icon(0) != nullptr) expected.push_back(list.Icon(0));
    EXPECT_EQ(icons.Registered(), expected) << c.name;
  }
}

TEST_F(ScreenListTest, CopyExtractsIconsAnewAndKeepsPositions) {
  list_.Add("Old", "", 0, HotKey{}, 0);
  ScreenList source(icons_);
  source.Add("A", "C:\\a.dll", 1, HotKey{65, 1}, 0);
  source.Add("C", "", 2, HotKey{}, 2);
  list_.CopyFrom(source);
  ASSERT_EQ(list_.Count(), 3);
  EXPECT_EQ(list_.Name(0), "A");
  EXPECT_EQ(list_.HotKeyOf(0), (HotKey{65, 1}));
  EXPECT_EQ(list_.At(1), nullptr);
  EXPECT_EQ(list_.Name(2), "C");
  EXPECT_NE(list_.Icon(0), source.Icon(0));
  EXPECT_EQ(icons_.SourceOf(list_.Icon(0)), icons_.SourceOf(source.Icon(0)));
  list_.CopyFrom(list_);
  EXPECT_EQ(list_.Count(), 3);
}

struct SameCase {
  Screen other;
  bool same;
};

TEST(ScreenTest, SameScreenIgnoresCaseAndHotKey) {
  Screen screen;
  screen.name = "Music";
  screen.iconFile = "C:\\Icons.dll";
  screen.iconIndex = 2;
  screen.hotKey = HotKey{51, 3};
  const SameCase cases[] = {
      {{"MUSIC", nullptr, "c:\\icons.DLL", 2, {}}, true},       {{"Music", nullptr, "C:\\Icons.dll", 2, {52, 1}}, true},
      {{"Musik", nullptr, "C:\\Icons.dll", 2, {51, 3}}, false}, {{"Music", nullptr, "", 2, {51, 3}}, false},
      {{"Music", nullptr, "C:\\Icons.dll", 3, {51, 3}}, false},
  };
  for (const SameCase& c : cases) {
    EXPECT_EQ(screen.IsSameScreen(c.other), c.same) << c.other.name << ' ' << c.other.iconFile;
  }
}

TEST_F(ScreenListTest, ALimitLeavesOutTheScreensBeyondItAndTheFillStopsThere) {
  Store("Screen #9999", " 0");
  Store("ScreenName #9999", "Far away");
  EXPECT_TRUE(list_.Load(registry_, 40));
  EXPECT_EQ(list_.Count(), 40);
  EXPECT_EQ(list_.Name(39), "40") << "the filled screens are named by their number";
  EXPECT_EQ(StoredNames(), (std::vector<std::string>{"Screen #9999", "ScreenName #9999"})) << "loading writes nothing";

  MemoryRegistry empty;
  EXPECT_FALSE(list_.Load(empty, 40)) << "the default list is not the stored one";
  EXPECT_EQ(list_.Count(), 5);
}

}  // namespace
}  // namespace qiv
