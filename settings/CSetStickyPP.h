// The "Sticky Windows" page of the settings sheet: the sticky rules.
// Until its editing is built, the page shows its controls and saves nothing.
#pragma once

#include "resources/resource.h"
#include "settings/CSettingsPage.h"

namespace qiv {

class CSetStickyPP : public CSettingsPage {
 public:
  explicit CSetStickyPP(CSetPS& sheet) : CSettingsPage(IDD_STICKY_PAGE, sheet, "Set_Sticky.htm") {}
};

}  // namespace qiv
