// The "Screens" page of the settings sheet: the screen list and how the screen buttons look.
// Until its editing is built, the page shows its controls and saves nothing.
#pragma once

#include "resources/resource.h"
#include "settings/CSettingsPage.h"

namespace qiv {

class CSetScreenPP : public CSettingsPage {
 public:
  explicit CSetScreenPP(CSetPS& sheet) : CSettingsPage(IDD_SCREENS_PAGE, sheet, "Set_Screen.htm") {}
};

}  // namespace qiv
