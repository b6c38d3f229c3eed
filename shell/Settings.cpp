// The program's behaviour options and their place in the registry.
#include "shell/Settings.h"

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/RegistryData.h"

namespace qiv {
namespace {

constexpr char kMainWndPosName[] = "MainWndPos";
constexpr std::size_t kRectSize = 16;
constexpr std::size_t kDwordSize = 4;
// Strings are read into 260-byte buffers, the last byte kept for the terminating zero.
constexpr std::size_t kStringBufferSize = 260;
constexpr std::size_t kMaxSoundPathLength = kStringBufferSize - 1;
constexpr char kSoundName[] = "SelfActivateSound";
constexpr char kPrevScreenName[] = "HK_PrevScreen";
constexpr char kNextScreenName[] = "HK_NextScreen";

struct DwordField {
  const char* name;
  std::int32_t Settings::*field;
};

// Stored after MainWndPos, in this order.
constexpr DwordField kDwordFields[] = {
    {"ShowOnlyPointed", &Settings::ShowOnlyPointed},
    {"AlwaysOnTop", &Settings::AlwaysOnTop},
    {"ConfirmClose", &Settings::ConfirmClose},
    {"DoubleWidth", &Settings::DoubleWidth},
    {"AppTitleRefreshRate", &Settings::AppTitleRefreshRate},
    {"TransMain", &Settings::TransMain},
    {"TransAppList", &Settings::TransAppList},
    {"ColorEmptyScreen", &Settings::ColorEmptyScreen},
    {"ColorNonemptyScreen", &Settings::ColorNonemptyScreen},
    {"ColorBlinkingScreen", &Settings::ColorBlinkingScreen},
    {"SmartDispatch", &Settings::SmartDispatch},
    {"ScreenTooltips", &Settings::ScreenTooltips},
    {"ScrBtnIcon", &Settings::ScrBtnIcon},
    {"ScrBtnNumber", &Settings::ScrBtnNumber},
    {"BoolSnapScreenBorders", &Settings::BoolSnapScreenBorders},
    {"IntSnapScreenBorders", &Settings::IntSnapScreenBorders},
    {"SelfActivateBlink", &Settings::SelfActivateBlink},
    {"TooltipScreenContent", &Settings::TooltipScreenContent},
    {"ToolWndAlwaysSticky", &Settings::ToolWndAlwaysSticky},
    {"ResizerOnlyNear", &Settings::ResizerOnlyNear},
};

// A value is taken only with the type and size it is written with; anything else keeps the default.
bool ReadExact(RegistryKey& key, const char* name, std::uint32_t type, std::size_t size, RegistryValue& value) {
  return key.ReadValue(name, size, value) && value.type == type && value.data.size() == size;
}

bool ReadString(RegistryKey& key, const char* name, std::string& text) {
  RegistryValue value;
  if (!key.ReadValue(name, kStringBufferSize, value) || value.type != kRegString) return false;
  text = StringFromData(value.data);
  return true;
}

void ReadHotKey(RegistryKey& key, const char* name, HotKey& hotKey) {
  std::string text;
  if (ReadString(key, name, text)) hotKey.ReadText(text);
}

}  // namespace

Settings::Settings(Registry& registry, const Rect& workArea, std::int32_t captionHeight)
    : MainWndPos(DefaultPanelPosition(workArea, captionHeight)), registry_(registry) {
  LoadSettings();
}

Settings::Rect Settings::DefaultPanelPosition(const Rect& workArea, std::int32_t captionHeight) {
  Rect position;
  position.left = (workArea.right - workArea.left) / 2;
  position.top = workArea.top;
  position.right = position.left + 12 * captionHeight;
  position.bottom = position.top + captionHeight;
  return position;
}

void Settings::LoadSettings() {
  std::unique_ptr<RegistryKey> key = registry_.OpenKey(RegistryRoot::CurrentUser, kRegistryPath);
  if (!key) {
    // First start: store the defaults at once.
    SaveSettings();
    return;
  }
  RegistryValue value;
  if (ReadExact(*key, kMainWndPosName, kRegBinary, kRectSize, value)) {
    MainWndPos.left = static_cast<std::int32_t>(DwordFromData(value.data, 0));
    MainWndPos.top = static_cast<std::int32_t>(DwordFromData(value.data, 4));
    MainWndPos.right = static_cast<std::int32_t>(DwordFromData(value.data, 8));
    MainWndPos.bottom = static_cast<std::int32_t>(DwordFromData(value.data, 12));
  }
  for (const DwordField& entry : kDwordFields) {
    if (ReadExact(*key, entry.name, kRegDword, kDwordSize, value)) {
      this->*entry.field = static_cast<std::int32_t>(DwordFromData(value.data));
    }
  }
  std::string sound;
  if (ReadString(*key, kSoundName, sound) && sound.size() <= kMaxSoundPathLength) SelfActivateSound = sound;
  // A single-width button has no room for both the icon and the number.
  if (DoubleWidth == 0 && ScrBtnIcon != 0 && ScrBtnNumber != 0) DoubleWidth = 1;
  StickyRules.Load(registry_);
  ReadHotKey(*key, kPrevScreenName, HK_PrevScreen);
  ReadHotKey(*key, kNextScreenName, HK_NextScreen);
}

void Settings::SaveSettings() const {
  if (settingsSaveBlocked_) return;
  std::unique_ptr<RegistryKey> key = registry_.CreateKey(RegistryRoot::CurrentUser, kRegistryPath);
  if (!key) return;
  std::vector<std::uint8_t> rect;
  for (std::int32_t coordinate : {MainWndPos.left, MainWndPos.top, MainWndPos.right, MainWndPos.bottom}) {
    AppendDword(rect, static_cast<std::uint32_t>(coordinate));
  }
  key->WriteValue(kMainWndPosName, kRegBinary, rect.data(), rect.size());
  for (const DwordField& entry : kDwordFields) {
    WriteDwordValue(*key, entry.name, static_cast<std::uint32_t>(this->*entry.field));
  }
  WriteStringValue(*key, kSoundName, SelfActivateSound, TerminatingZero::Counted);
  StickyRules.Save(registry_);
  WriteStringValue(*key, kPrevScreenName, HK_PrevScreen.ToText(), TerminatingZero::Counted);
  WriteStringValue(*key, kNextScreenName, HK_NextScreen.ToText(), TerminatingZero::Counted);
}

}  // namespace qiv
