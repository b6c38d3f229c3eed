// The settings record: defaults, the values stored under the program's key, and the save block.
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/MemoryRegistry.h"

namespace qiv {
namespace {

using namespace std::string_literals;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
const Settings::Rect kWorkArea{0, 0, 1024, 738};
constexpr std::int32_t kCaption = 18;

std::vector<std::uint8_t> Dword(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

std::vector<std::uint8_t> RectBytes(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  std::vector<std::uint8_t> bytes;
  for (std::int32_t v : {left, top, right, bottom}) {
    const auto part = Dword(static_cast<std::uint32_t>(v));
    bytes.insert(bytes.end(), part.begin(), part.end());
  }
  return bytes;
}

class SettingsTest : public testing::Test {
 protected:
  void Store(const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data) {
    registry_.Put(kUser, Settings::kRegistryPath, name, type, std::move(data));
  }
  void StoreDword(const std::string& name, std::uint32_t value) {
    registry_.PutDword(kUser, Settings::kRegistryPath, name, value);
  }
  void StoreString(const std::string& name, const std::string& text) {
    registry_.PutString(kUser, Settings::kRegistryPath, name, text);
  }
  std::vector<RegistryValue> Stored() const { return registry_.Values(kUser, Settings::kRegistryPath); }

  MemoryRegistry registry_;
};

TEST_F(SettingsTest, FirstStartWritesEveryDefault) {
  Settings settings(registry_, Settings::Rect{100, 20, 1381, 1000}, kCaption);
  EXPECT_EQ(settings.MainWndPos.left, 640) << "half the work-area width, without its left edge";
  EXPECT_EQ(settings.MainWndPos.top, 20);
  EXPECT_EQ(settings.MainWndPos.right, 640 + 12 * kCaption);
  EXPECT_EQ(settings.MainWndPos.bottom, 20 + kCaption);

  struct Expected {
    const char* name;
    std::uint32_t type;
    std::string data;
  };
  const auto text = [](const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); };
  const auto dword = [&text](std::uint32_t value) { return text(Dword(value)); };
  const std::string rect = text(RectBytes(640, 20, 856, 38));
  const Expected expected[] = {
      {"MainWndPos", kRegBinary, rect},
      {"ShowOnlyPointed", kRegDword, dword(0)},
      {"AlwaysOnTop", kRegDword, dword(1)},
      {"ConfirmClose", kRegDword, dword(0)},
      {"DoubleWidth", kRegDword, dword(1)},
      {"AppTitleRefreshRate", kRegDword, dword(100)},
      {"TransMain", kRegDword, dword(255)},
      {"TransAppList", kRegDword, dword(255)},
      {"ColorEmptyScreen", kRegDword, dword(0xA3A3A3)},
      {"ColorNonemptyScreen", kRegDword, dword(0xC0C0C0)},
      {"ColorBlinkingScreen", kRegDword, dword(0xFF)},
      {"SmartDispatch", kRegDword, dword(1)},
      {"ScreenTooltips", kRegDword, dword(1)},
      {"ScrBtnIcon", kRegDword, dword(1)},
      {"ScrBtnNumber", kRegDword, dword(1)},
      {"BoolSnapScreenBorders", kRegDword, dword(10)},
      {"IntSnapScreenBorders", kRegDword, dword(1)},
      {"SelfActivateBlink", kRegDword, dword(1)},
      {"TooltipScreenContent", kRegDword, dword(1)},
      {"ToolWndAlwaysSticky", kRegDword, dword(1)},
      {"ResizerOnlyNear", kRegDword, dword(0)},
      {"SelfActivateSound", kRegString, "\0"s},
      {"HK_PrevScreen", kRegString, "37 3\0"s},
      {"HK_NextScreen", kRegString, "39 3\0"s},
  };
  const auto values = Stored();
  ASSERT_EQ(values.size(), std::size(expected));
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].name, expected[i].name);
    EXPECT_EQ(values[i].type, expected[i].type) << expected[i].name;
    EXPECT_EQ(MemoryRegistry::DataText(values[i]), expected[i].data) << expected[i].name;
  }
  EXPECT_TRUE(registry_.KeyExists(kUser, StickyRuleList::kRegistryPath));
}

TEST_F(SettingsTest, DefaultPanelPlaceTruncatesTowardZero) {
  Settings settings(registry_, Settings::Rect{-1, 0, 0, 600}, 20);
  EXPECT_EQ(settings.MainWndPos.left, 0);
  EXPECT_EQ(settings.MainWndPos.right, 240);
}

TEST_F(SettingsTest, StoredValuesSurviveSaveAndLoad) {
  {
    Settings settings(registry_, kWorkArea, kCaption);
    settings.MainWndPos = Settings::Rect{-300, 5, -100, 23};
    settings.ConfirmClose = 1;
    settings.TransMain = 0;
    settings.ColorBlinkingScreen = 0x00123456;
    settings.BoolSnapScreenBorders = 25;
    settings.IntSnapScreenBorders = 0;
    settings.ResizerOnlyNear = 1;
    settings.SelfActivateSound = "C:\\Sounds\\ding dong.wav";
    settings.HK_NextScreen = HotKey{34, 5};
    StickyRule rule;
    rule.text = "Clock";
    rule.useText = true;
    settings.StickyRules.Append(rule);
    settings.SaveSettings();
  }
  Settings loaded(registry_, Settings::Rect{0, 0, 800, 600}, 30);
  EXPECT_EQ(loaded.MainWndPos.left, -300);
  EXPECT_EQ(loaded.MainWndPos.top, 5);
  EXPECT_EQ(loaded.MainWndPos.right, -100);
  EXPECT_EQ(loaded.MainWndPos.bottom, 23);
  EXPECT_EQ(loaded.ConfirmClose, 1);
  EXPECT_EQ(loaded.TransMain, 0) << "stored values are not limited to a range";
  EXPECT_EQ(loaded.ColorBlinkingScreen, 0x00123456);
  EXPECT_EQ(loaded.BoolSnapScreenBorders, 25);
  EXPECT_EQ(loaded.IntSnapScreenBorders, 0);
  EXPECT_EQ(loaded.ResizerOnlyNear, 1);
  EXPECT_EQ(loaded.SelfActivateSound, "C:\\Sounds\\ding dong.wav");
  EXPECT_EQ(loaded.HK_NextScreen, (HotKey{34, 5}));
  EXPECT_EQ(loaded.HK_PrevScreen, (HotKey{37, 3}));
  ASSERT_EQ(loaded.StickyRules.Count(), 1);
  EXPECT_EQ(loaded.StickyRules.At(0)->text, "Clock");
}

struct BadValueCase {
  const char* name;
  std::uint32_t type;
  std::vector<std::uint8_t> data;
};

// Each stored value is unfit for its field; the record must come out as if it were missing.
TEST_F(SettingsTest, AValueOfTheWrongTypeOrSizeKeepsTheDefault) {
  const BadValueCase cases[] = {
      {"AlwaysOnTop", kRegBinary, Dword(0)},
      {"TransMain", kRegDword, {7, 0}},
      {"TransMain", kRegDword, {7, 0, 0, 0, 0, 0, 0, 0}},
      {"ColorEmptyScreen", kRegString, {'1', '2', '3', 0}},
      {"MainWndPos", kRegBinary, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"MainWndPos", kRegBinary, std::vector<std::uint8_t>(20, 1)},
      {"MainWndPos", kRegDword, RectBytes(1, 2, 3, 4)},
      {"SelfActivateSound", kRegBinary, {'a', 0}},
      {"SelfActivateSound", kRegString, std::vector<std::uint8_t>(300, 'a')},
      {"HK_NextScreen", kRegBinary, {'6', '5', ' ', '1', 0}},
      {"HK_PrevScreen", kRegString, {'x', 0}},
  };
  MemoryRegistry defaultsRegistry;
  Settings defaults(defaultsRegistry, kWorkArea, kCaption);
  const auto expected = defaultsRegistry.Values(kUser, Settings::kRegistryPath);
  for (const BadValueCase& c : cases) {
    MemoryRegistry registry;
    registry.Put(kUser, Settings::kRegistryPath, c.name, c.type, c.data);
    Settings settings(registry, kWorkArea, kCaption);
    registry.DeleteKey(kUser, StickyRuleList::kRegistryPath);
    registry.DeleteKey(kUser, Settings::kRegistryPath);
    settings.SaveSettings();
    const auto values = registry.Values(kUser, Settings::kRegistryPath);
    ASSERT_EQ(values.size(), expected.size()) << c.name;
    for (std::size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(MemoryRegistry::DataText(values[i]), MemoryRegistry::DataText(expected[i]))
          << c.name << ": " << values[i].name;
    }
  }
}

TEST_F(SettingsTest, SoundPathsUpTo259CharactersLoad) {
  StoreString("SelfActivateSound", std::string(259, 's'));
  EXPECT_EQ(Settings(registry_, kWorkArea, kCaption).SelfActivateSound, std::string(259, 's'));
  StoreString("SelfActivateSound", std::string(260, 's'));
  EXPECT_EQ(Settings(registry_, kWorkArea, kCaption).SelfActivateSound, "");
  // Stored without its terminating zero, 260 characters still fit the buffer but not the limit.
  Store("SelfActivateSound", kRegString, std::vector<std::uint8_t>(260, 's'));
  EXPECT_EQ(Settings(registry_, kWorkArea, kCaption).SelfActivateSound, "");
}

struct DoubleWidthCase {
  std::uint32_t icon;
  std::uint32_t number;
  std::int32_t doubleWidth;
};

TEST_F(SettingsTest, SingleWidthIsRefusedWhenButtonsShowIconAndNumber) {
  const DoubleWidthCase cases[] = {{1, 1, 1}, {5, 1, 1}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0}};
  for (const DoubleWidthCase& c : cases) {
    MemoryRegistry registry;
    registry.PutDword(kUser, Settings::kRegistryPath, "DoubleWidth", 0);
    registry.PutDword(kUser, Settings::kRegistryPath, "ScrBtnIcon", c.icon);
    registry.PutDword(kUser, Settings::kRegistryPath, "ScrBtnNumber", c.number);
    Settings settings(registry, kWorkArea, kCaption);
    EXPECT_EQ(settings.DoubleWidth, c.doubleWidth) << "icon " << c.icon << ", number " << c.number;
  }
}

TEST_F(SettingsTest, AHotKeyTextKeepsWhatItDoesNotHold) {
  StoreString("HK_NextScreen", "65");
  StoreString("HK_PrevScreen", "33 6");
  Settings settings(registry_, kWorkArea, kCaption);
  EXPECT_EQ(settings.HK_NextScreen, (HotKey{65, 3}));
  EXPECT_EQ(settings.HK_PrevScreen, (HotKey{33, 6}));
}

TEST_F(SettingsTest, AnExistingKeyIsNotRewrittenByTheLoad) {
  StoreDword("TransMain", 128);
  Settings settings(registry_, kWorkArea, kCaption);
  EXPECT_EQ(settings.TransMain, 128);
  ASSERT_EQ(Stored().size(), 1u);
}

TEST_F(SettingsTest, NothingIsWrittenOnceSavingIsBlocked) {
  Settings settings(registry_, kWorkArea, kCaption);
  registry_.DeleteKey(kUser, StickyRuleList::kRegistryPath);
  registry_.DeleteKey(kUser, Settings::kRegistryPath);
  settings.SetSettingsSaveBlocked();
  settings.TransMain = 100;
  settings.SaveSettings();
  EXPECT_TRUE(settings.SettingsSaveBlocked());
  EXPECT_FALSE(registry_.KeyExists(kUser, Settings::kRegistryPath));
}

TEST_F(SettingsTest, AKeyThatCannotBeCreatedLeavesTheDefaults) {
  registry_.SetCreateKeyFails(true);
  Settings settings(registry_, kWorkArea, kCaption);
  EXPECT_FALSE(registry_.KeyExists(kUser, Settings::kRegistryPath));
  EXPECT_EQ(settings.AppTitleRefreshRate, 100);
  EXPECT_EQ(settings.HK_PrevScreen, (HotKey{37, 3}));
}

}  // namespace
}  // namespace qiv
