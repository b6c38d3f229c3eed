// The screen buttons: the panel's owner-drawn multi-column list box, one item per screen,
// with colours for empty, non-empty and blinking screens, the icon and number, and tooltips.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "engine/ScreenModel.h"
#include "engine/WindowTracker.h"
#include "framework/ListBox.h"
#include "framework/MessageMap.h"
#include "framework/ToolTip.h"
#include "platform/Desktop.h"
#include "shell/Settings.h"

namespace qiv {

class ScreenButtonList final : public ListBox {
 public:
  ScreenButtonList(ScreenModel& model, WindowTracker& tracker, Desktop& desktop, const Settings& settings);

  // Takes over the panel's list box.
  bool SubclassDlgItem(HWND dialog, int id);

  // Flips the blink phase; answers whether a button blinks (and so needs repainting).
  bool ToggleBlinkPhase();
  // (Re)creates one tooltip tool per button over its current rectangle.
  void RegisterButtonTips();
  // The screen whose application list is open (its button gets a blue frame); -1 for none.
  void SetListedScreen(int screen) { listedScreen_ = screen; }

 protected:
  // Every message for the list box reaches the tooltip first.
  bool PreTranslateMessage(MSG& message) override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnRightButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnSwallowedKey(WPARAM wParam, LPARAM lParam);
  LRESULT OnTipText(WPARAM wParam, LPARAM lParam);

  void DrawButton(HDC dc, int index, int width, int height, bool pressed);
  void DrawIconAndNumber(HDC dc, int index, RECT face, COLORREF colour, int pressedOffset);

  ScreenModel& model_;
  WindowTracker& tracker_;
  Desktop& desktop_;
  const Settings& settings_;
  std::optional<ToolTip> tooltip_;
  std::string tipText_;  // read by the tooltip after the notification returns
  bool blinkPhase_ = false;
  int listedScreen_ = -1;
};

}  // namespace qiv
