// The About box.
#include "controls/AboutDialog.h"

#include "controls/CentreOnDesktop.h"
#include "resources/resource.h"

namespace qiv {

AboutDialog::AboutDialog() : Dialog(IDD_ABOUT) {}

bool AboutDialog::OnInitDialog() {
  const bool result = Dialog::OnInitDialog();
  CentreOnDesktop(Handle());
  return result;
}

}  // namespace qiv
