// The system's colour dialog, run under the modal scope.
#include "framework/ColourDialog.h"

#include <commdlg.h>

#include "framework/ModalScope.h"

namespace qiv {

std::optional<COLORREF> ChooseColour(HWND parent, COLORREF initial, CustomColours& customColours) {
  // The common dialog runs the dialog manager's loop, which disables the owner and enables it again.
  const ModalScope scope(parent);
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = scope.Owner();
  dialog.rgbResult = initial;
  dialog.lpCustColors = customColours.data();
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!::ChooseColorA(&dialog)) return std::nullopt;
  return dialog.rgbResult;
}

}  // namespace qiv
