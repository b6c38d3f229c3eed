// What the application list needs of the panel that opens it.
#pragma once

#include <windows.h>

namespace qiv {

class AppListHost {
 public:
  // The list stays open when the panel takes the activation from it.
  virtual HWND PanelWindowHandle() const = 0;
  // The drop target of a drag, and the buttons the list opens beside.
  virtual HWND ScreenButtonsHandle() const = 0;
  // Screen coordinates; empty for a screen without a button.
  virtual RECT ScreenButtonRect(int screen) const = 0;
  // The screen whose button is framed while the list shows it; -1 when the list is hidden. Repaints the buttons.
  virtual void SetListedScreen(int screen) = 0;
  // The settings at their Sticky Windows page, making a rule of window; returns once they have closed.
  virtual void StickWindow(HWND window) = 0;

 protected:
  ~AppListHost() = default;
};

}  // namespace qiv
