// The "General" page of the settings sheet: the panel's behaviour, snapping, the application list's title
// refresh rate, transparency, and whether the program starts with Windows.
#pragma once

#include "settings/CSettingsPage.h"

namespace qiv {

class CSetGeneralPP : public CSettingsPage {
 public:
  explicit CSetGeneralPP(CSetPS& sheet);

  // The values into the settings, and the startup shortcut made or removed to match the check box.
  bool SavePage() override;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  bool alwaysOnTop_ = false;
  bool autoStart_ = false;
  bool confirmClose_ = false;
  bool snapOn_ = false;
  int snapDistance_ = 0;
  int titleRefreshRate_ = 0;
  bool showOnlyPointed_ = false;
  bool resizerOnlyNear_ = false;
  int panelAlpha_ = 0;
  int appListAlpha_ = 0;
  // Without layered windows the sliders are hidden, and the stored opacities pass OK unchanged.
  bool transparencySupported_ = false;
};

}  // namespace qiv
