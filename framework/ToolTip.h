// A tooltip control with tools identified by (window, id) and a rectangle.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Window.h"

namespace qiv {

class ToolTip : public Window {
 public:
  ToolTip() = default;
  // Destroys the control it created, unless that went already with its owner.
  ~ToolTip() override;

  // An always-tip control owned by owner, whose tools' texts come from owner's notifications when they are
  // given as LPSTR_TEXTCALLBACK.
  bool Create(HWND owner);

  // rect in owner's client coordinates; text is copied, or LPSTR_TEXTCALLBACK (TTN_GETDISPINFO to owner
  // with idFrom = id each time the tip shows).
  bool AddTool(HWND owner, UINT_PTR id, const RECT& rect, const char* text) const;
  void DeleteTool(HWND owner, UINT_PTR id) const;
  void UpdateText(HWND owner, UINT_PTR id, const char* text) const;
  int ToolCount() const;
  // Tips wider than this break into lines (and only then "\r\n" in a text starts a new line).
  void SetMaxWidth(int width) const;
  void Activate(bool active) const;
  // Mouse messages of the tools' windows are what makes the tips show.
  void RelayEvent(const MSG& message) const;

 private:
  bool created_ = false;
};

}  // namespace qiv
