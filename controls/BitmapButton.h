// The small owner-drawn push button with a 12 x 12 picture (or a down arrow) and its text as tooltip.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/MessageMap.h"
#include "framework/ToolTip.h"
#include "framework/Window.h"

namespace qiv {

class BitmapButton : public Window {
 public:
  // Draws a down-pointing triangle instead of a picture.
  static constexpr int kDownArrow = -1;

  // bitmapId: a 12 x 12 bitmap resource, combined with the face (AND), or kDownArrow.
  explicit BitmapButton(int bitmapId);

  // Takes over the dialog's owner-drawn button id and gives it its tooltip.
  bool SubclassDlgItem(HWND dialog, int id);

 protected:
  // Every message for the button shows the tip.
  bool PreTranslateMessage(MSG& message) override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonDoubleClick(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  void DrawFace(HDC dc, const RECT& rect, bool pressed, bool disabled) const;
  void DrawDownArrow(HDC dc, const RECT& rect, int offset) const;
  void DrawBitmap(HDC dc, const RECT& rect, int offset, bool disabled) const;
  // The tool covers the whole client area, which the panel sets after the button was attached.
  void AddTool() const;

  int bitmapId_;
  std::optional<ToolTip> tooltip_;
};

}  // namespace qiv
