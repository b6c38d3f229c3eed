// The icon browser: lists the icons of one file (the program's own at first, or any file the user browses to) and
// answers the file and the number of the icon chosen.
#pragma once

#include <windows.h>

#include <string>

#include "controls/BitmapButton.h"
#include "framework/Dialog.h"
#include "framework/ImageList.h"
#include "framework/ListView.h"

namespace qiv {

class BrowseIconDialog : public Dialog {
 public:
  BrowseIconDialog();

  // After IDOK: the file whose icons were listed, and the number of the icon chosen in it.
  const std::string& FileName() const { return fileName_; }
  int ChosenIconIndex() const { return chosenIconIndex_; }

 protected:
  bool OnInitDialog() override;
  // The selected icon, once it can be taken from the file.
  void OnOK() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnBrowse(WPARAM wParam, LPARAM lParam);
  LRESULT OnIconDoubleClick(WPARAM wParam, LPARAM lParam);

  void Browse();
  // Lists the icons of file; a file without icons says so and leaves the list and the file name as they were. A
  // file of one icon is chosen at once.
  void LoadIcons(const std::string& file);

  std::string fileName_;
  int chosenIconIndex_ = -1;
  ImageList images_;
  ListView list_;
  BitmapButton browse_;
};

}  // namespace qiv
