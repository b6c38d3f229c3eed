// The program's behaviour options and their place in the registry.
#pragma once

#include <cstdint>
#include <string>

#include "engine/EngineSettings.h"
#include "engine/HotKey.h"
#include "platform/Registry.h"

namespace qiv {

// One record for the whole process, loaded when it is constructed. Fields carry the names of
// their registry values; flags are 0 = off, anything else = on. The options the engine reads are
// in the base.
class Settings : public EngineSettings {
 public:
  // Under HKEY_CURRENT_USER; "Screens" and "Sticky" are its subkeys.
  static constexpr char kRegistryPath[] = "Software\\Brevik\\Qiv";

  // Screen coordinates.
  struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
  };

  // Fills the defaults, placing the panel by the work area and the caption height, then loads
  // the stored values (and writes the defaults when nothing is stored yet).
  Settings(Registry& registry, const Rect& workArea, std::int32_t captionHeight);
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // Centred horizontally by half the work-area width alone: the work-area left is not added.
  static Rect DefaultPanelPosition(const Rect& workArea, std::int32_t captionHeight);

  void LoadSettings();
  // Does nothing once SettingsSaveBlocked is set.
  void SaveSettings() const;

  // Set by the uninstall run after it has deleted the keys.
  void SetSettingsSaveBlocked() { settingsSaveBlocked_ = true; }

  Rect MainWndPos;
  std::int32_t ShowOnlyPointed = 0;
  std::int32_t AlwaysOnTop = 1;
  std::int32_t ConfirmClose = 0;
  std::int32_t DoubleWidth = 1;
  std::int32_t AppTitleRefreshRate = 100;  // milliseconds
  std::int32_t TransMain = 255;            // opacity, 255 = opaque
  std::int32_t TransAppList = 255;
  std::int32_t ColorEmptyScreen = 0x00A3A3A3;  // colours as 0x00BBGGRR
  std::int32_t ColorNonemptyScreen = 0x00C0C0C0;
  std::int32_t ColorBlinkingScreen = 0x000000FF;
  std::int32_t ScreenTooltips = 1;
  std::int32_t TooltipScreenContent = 1;
  std::int32_t ScrBtnIcon = 1;
  std::int32_t ScrBtnNumber = 1;
  std::int32_t BoolSnapScreenBorders = 10;  // despite its name, the snap distance in pixels
  std::int32_t IntSnapScreenBorders = 1;    // despite its name, the snap flag
  std::int32_t ResizerOnlyNear = 0;
  HotKey HK_PrevScreen{37, HotKey::kCtrl | HotKey::kAlt};  // Ctrl+Alt+Left
  HotKey HK_NextScreen{39, HotKey::kCtrl | HotKey::kAlt};  // Ctrl+Alt+Right

 private:
  Registry& registry_;
};

}  // namespace qiv
