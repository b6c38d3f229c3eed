// The "Keyboard" page of the settings sheet: the hot keys.
// Until its editing is built, the page shows its controls and saves nothing.
#pragma once

#include "resources/resource.h"
#include "settings/CSettingsPage.h"

namespace qiv {

class CSetKeyboardPP : public CSettingsPage {
 public:
  explicit CSetKeyboardPP(CSetPS& sheet) : CSettingsPage(IDD_KEYBOARD_PAGE, sheet, "Set_Keyboard.htm") {}
};

}  // namespace qiv
