// Pre-translation inside the modal loops of the dialog manager and of comctl32.
#pragma once

#include <windows.h>

namespace qiv {

// While one lives on a thread, a WH_MSGFILTER hook offers every message that IsDialogMessage is given
// (which the modal loops of DialogBox, MessageBox and PropertySheet do for each message they take) to
// Window::PreTranslate first. So modeless dialogs get their keyboard handling and controls can relay the
// mouse to their tooltips. Scopes nest; the hook goes with the last one.
class ModalMessageFilter {
 public:
  ModalMessageFilter();
  ~ModalMessageFilter();
  ModalMessageFilter(const ModalMessageFilter&) = delete;
  ModalMessageFilter& operator=(const ModalMessageFilter&) = delete;

 private:
  static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam);
};

}  // namespace qiv
