// The colour picker's drop-down: a popup grid of 40 named colours and an "Other colors..." cell, run in a
// modal loop of its own until a colour is chosen or the choice is abandoned.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "controls/ColorListGrid.h"
#include "framework/ColourDialog.h"
#include "framework/MessageMap.h"
#include "framework/ModalLoop.h"
#include "framework/ToolTip.h"
#include "framework/UniqueHandle.h"
#include "framework/Window.h"

namespace qiv {

class ColorListControl : public Window, private ModalLoopClient {
 public:
  ColorListControl() = default;

  // The hidden popup (window class "ColorListControl") owned by picker, and its tooltips; false when either
  // cannot be made.
  bool CreatePopup(HWND picker);

  // Opens under the picker with colour marked and runs until the user decides. true when a colour was chosen,
  // which Colour() then answers; false after a cancel, or when the list does not fit the work area.
  bool Run(COLORREF colour);
  COLORREF Colour() const { return colour_; }
  bool IsOpen() const { return Handle() && ::IsWindowVisible(Handle()); }

 protected:
  QIV_DECLARE_MESSAGE_MAP()

 private:
  enum Outcome { kRunning = 0, kChosen = 1, kCancelled = 2, kOtherColours = 3 };

  bool OnLoopMessage(MSG& message) override;

  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);

  // The popup's size and cells for the current font; false when it does not fit the work area.
  bool PrepareRun();
  void AddTools();
  void OnKey(bool down, unsigned virtualKey);
  // The hot cell taken: a colour, "Other colors...", or without a hot cell a cancel; by posting, so that the
  // loop sees the outcome.
  void ChooseHot();
  void SetHot(int hot);
  void RedrawCell(int cell) const;
  RECT CellRect(int cell) const;
  bool RunOtherColours();
  // A click outside that cancelled the list reaches the window under it, as if the list had not been there.
  void PassOnClick(POINT screenPosition) const;

  void Paint(HDC dc) const;
  void PaintCellFrame(HDC dc, int cell, const RECT& rect) const;

  HWND owner_ = nullptr;
  std::optional<ToolTip> tooltips_;
  COLORREF colour_ = kNoColour;
  UniqueFont font_;
  RECT windowRect_{};
  RECT otherRect_{};
  std::array<RECT, kGridCellCount> cellRects_{};
  int current_ = kNoCell;
  int hot_ = kNoCell;
  bool pressed_ = false;
  int outcome_ = kRunning;
  std::optional<POINT> lastClick_;
  ModalLoop* loop_ = nullptr;
  CustomColours customColours_{};
};

}  // namespace qiv
