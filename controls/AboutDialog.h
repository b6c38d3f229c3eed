// The About box: the program's name and version, centred on the desktop.
#pragma once

#include "framework/Dialog.h"

namespace qiv {

// Run it modally; "Close" and Escape end it, and its result means nothing.
class AboutDialog final : public Dialog {
 public:
  AboutDialog();

 protected:
  bool OnInitDialog() override;
};

}  // namespace qiv
