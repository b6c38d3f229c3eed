// The "Advanced" page of the settings sheet: screen integrity protection, what a violation does (blinking,
// a sound file), and the three colours of the screen buttons.
#pragma once

#include <windows.h>

#include <string>

#include "controls/BitmapButton.h"
#include "controls/CColorPicker.h"
#include "settings/CSettingsPage.h"

namespace qiv {

class CSetAdvPP : public CSettingsPage {
 public:
  explicit CSetAdvPP(CSetPS& sheet);

  bool SavePage() override;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
  LRESULT OnDelete(WPARAM wParam, LPARAM lParam);
  LRESULT OnPlay(WPARAM wParam, LPARAM lParam);

  bool integrityProtection_ = false;
  bool blinkOnViolation_ = false;
  std::string soundFile_;
  COLORREF emptyColour_ = 0;
  COLORREF nonemptyColour_ = 0;
  COLORREF blinkingColour_ = 0;
  CColorPicker emptyPicker_;
  CColorPicker nonemptyPicker_;
  CColorPicker blinkingPicker_;
  BitmapButton browse_;
  BitmapButton delete_;
  BitmapButton play_;
};

}  // namespace qiv
