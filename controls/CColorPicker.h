// An owner-drawn push button that shows its caption and a swatch of its colour, and drops down a colour list
// when clicked.
#pragma once

#include <windows.h>

#include "controls/ColorListControl.h"
#include "framework/Button.h"
#include "framework/ColourControl.h"
#include "framework/MessageMap.h"

namespace qiv {

class CColorPicker : public Button, public ColourControl {
 public:
  CColorPicker() = default;

  // Takes over a dialog's button of any caption and makes its drop-down; false when either fails.
  bool SubclassDlgItem(HWND dialog, int id);

  // kNoColour until one is set.
  COLORREF Colour() const override { return colour_; }
  void SetColour(COLORREF colour) override;

  // Runs the drop-down from the current colour; true when the user chose one, which is then the colour.
  virtual bool ChooseColour();

 protected:
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  // The drop-down, with the button drawn pushed while it is open.
  bool OnClicked() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);

  void FlipPushed();
  void Draw(HDC dc, const RECT& rect, UINT state) const;

  COLORREF colour_ = kNoColour;
  ColorListControl dropDown_;
  // The left button went down on the picker and has not come up yet.
  bool mousePressed_ = false;
  // Bit 0: draw the button pushed.
  int drawState_ = 0;
};

}  // namespace qiv
