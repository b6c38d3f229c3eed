// The behaviour options the engine reads: a part of the program's settings record that the engine can name
// without knowing the rest of it, or where the record is kept.
#pragma once

#include <cstdint>
#include <string>

#include "engine/StickyRuleList.h"

namespace qiv {

// Fields carry the names of their registry values; flags are 0 = off, anything else = on. The settings record
// derives from it and keeps the values current, so the engine reads them live.
class EngineSettings {
 public:
  // Set by the uninstall run after it has deleted the keys; never cleared. Blocks saving the screen list too.
  bool SettingsSaveBlocked() const { return settingsSaveBlocked_; }

  std::int32_t SmartDispatch = 1;
  std::int32_t SelfActivateBlink = 1;
  std::string SelfActivateSound;  // sound file; empty = none
  StickyRuleList StickyRules;
  std::int32_t ToolWndAlwaysSticky = 1;

 protected:
  EngineSettings() = default;
  ~EngineSettings() = default;

  bool settingsSaveBlocked_ = false;
};

}  // namespace qiv
