// The start-up picture: a borderless, top-most window in the shape of the picture, gone after three seconds.
#pragma once

#include <windows.h>

#include "controls/GdiGifPicture.h"
#include "framework/Dialog.h"

namespace qiv {

class SplashWindow final : public Dialog {
 public:
  // Creates the window without a parent and shows it; from then on it lives on its own and deletes itself
  // when its window is destroyed. Nothing is shown when the picture cannot be read.
  static void Open();

 protected:
  bool OnInitDialog() override;
  void OnFinalMessage() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  SplashWindow();

  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam);

  GdiGifPicture picture_;
  // While Open creates the window.
  bool opening_ = false;
};

}  // namespace qiv
