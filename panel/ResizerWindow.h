// The grip at the panel's bottom-right corner: dragging it sizes the panel to the grid.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"
#include "framework/MessageMap.h"

namespace qiv {

// What the grip needs of the panel it sizes.
class ResizerOwner {
 public:
  virtual ~ResizerOwner() = default;
  // Sizes the panel to the grid shape closest to a requested corner. cornerInResizerClient is in the grip's
  // client coordinates; ResizerWindow::RequestedPanelCorner turns it into the panel's bottom-right corner.
  virtual void FitPanelToGrid(POINT cornerInResizerClient) = 0;
  // Set while the grip is dragged, so that the panel does not hide meanwhile.
  virtual void SetMenuOpen(bool open) = 0;
  virtual HWND PanelWindowHandle() const = 0;
};

class ResizerWindow final : public Dialog {
 public:
  // Asks FitPanelToGrid for the panel's current size.
  static constexpr POINT kCurrentSizeCorner{-10000, -10000};

  // Create it modeless with the panel as parent, which makes the panel its owner.
  explicit ResizerWindow(ResizerOwner& owner);

  // The panel's requested bottom-right corner in screen coordinates for a point in the grip's client
  // coordinates, allowing for where the grip was grabbed; kCurrentSizeCorner stands for the panel's
  // current corner and makes the grab the grip's anchor.
  POINT RequestedPanelCorner(POINT cornerInClient);

 protected:
  bool OnInitDialog() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

  void CutTransparentPixels();

  ResizerOwner& owner_;
  POINT grabOffset_{0, 0};
};

}  // namespace qiv
