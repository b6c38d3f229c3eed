// The "Keyboard" page of the settings sheet: every hot-key function with its key combination, one changed at a
// time in the hot key dialog. The screens' keys are edited in the Screens page's copy of the screens, so the
// screens added, renamed or moved there show up here at once; previous and next screen stay in the page until OK.
#pragma once

#include <windows.h>

#include <vector>

#include "engine/HotKey.h"
#include "framework/ImageList.h"
#include "framework/ListView.h"
#include "settings/CSettingsPage.h"

namespace qiv {

class CSetKeyboardPP : public CSettingsPage {
 public:
  explicit CSetKeyboardPP(CSetPS& sheet);

  // Previous and next screen into the settings; the screens' keys travel with the Screens page's list.
  bool SavePage() override;

 protected:
  bool OnInitDialog() override;
  // The list anew from the Screens page's screens, every time the tab comes to the front.
  bool OnSetActive() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  // What a row of the list stands for.
  struct Row {
    enum class Function { kHeading, kScreen, kPreviousScreen, kNextScreen };
    Function function = Function::kHeading;
    int screen = -1;  // for kScreen
  };

  LRESULT OnChange(WPARAM wParam, LPARAM lParam);
  LRESULT OnSelectionChanged(WPARAM wParam, LPARAM lParam);

  void RebuildList();
  void AppendRow(const Row& row, const std::string& text, HICON icon, COLORREF background);
  void UpdateChangeButton();
  // -1 when nothing or a heading is selected.
  int SelectedFunctionRow() const;
  HotKey KeyOf(const Row& row) const;
  void SetKeyOf(const Row& row, const HotKey& hotKey);

  HotKey prevScreenKey_;
  HotKey nextScreenKey_;
  // One per row of the list, in list order.
  std::vector<Row> rows_;
  ImageList smallIcons_;
  ListView list_;
};

}  // namespace qiv
