// The "Screens" page of the settings sheet: the screen list (add, remove, rename, reorder, icons) and how the
// screen buttons and their tooltips look. It works on a copy of the panel's screens, which the panel takes on OK.
#pragma once

#include <windows.h>

#include "controls/BitmapButton.h"
#include "engine/ScreenList.h"
#include "framework/ImageList.h"
#include "framework/ListView.h"
#include "settings/CSettingsPage.h"

namespace qiv {

class CSetScreenPP : public CSettingsPage {
 public:
  explicit CSetScreenPP(CSetPS& sheet);

  // The five looks into the settings, and the screens to the panel, which keeps the windows of the screens that
  // stayed. An empty list is refused.
  bool SavePage() override;

  // The screens as this page has them; the Keyboard page edits their hot keys here.
  ScreenList& WorkingScreens() { return workingScreens_; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnOkButton(WPARAM wParam, LPARAM lParam);
  LRESULT OnAdd(WPARAM wParam, LPARAM lParam);
  LRESULT OnChangeIcon(WPARAM wParam, LPARAM lParam);
  LRESULT OnRename(WPARAM wParam, LPARAM lParam);
  LRESULT OnRemove(WPARAM wParam, LPARAM lParam);
  LRESULT OnMoveLeft(WPARAM wParam, LPARAM lParam);
  LRESULT OnMoveRight(WPARAM wParam, LPARAM lParam);
  LRESULT OnContentClicked(WPARAM wParam, LPARAM lParam);
  LRESULT OnDoubleWidthClicked(WPARAM wParam, LPARAM lParam);
  LRESULT OnSelectionChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnEndLabelEdit(WPARAM wParam, LPARAM lParam);
  LRESULT OnDoubleClick(WPARAM wParam, LPARAM lParam);

  // The list shown anew from the working copy, with the item at selection selected and in view (-1: none).
  void FillList(int selection);
  // -1 when nothing is selected.
  int Selection() const;
  void UpdateButtons();
  // Says so and answers true when the list holds no screen: the panel needs one.
  bool RefuseEmptyList();

  ScreenList workingScreens_;
  ImageList iconImages_;
  ListView list_;
  BitmapButton moveLeft_;
  BitmapButton moveRight_;
  bool doubleWidth_ = false;
  bool tooltipName_ = false;
  bool tooltipContent_ = false;
  bool buttonIcon_ = false;
  bool buttonNumber_ = false;
};

}  // namespace qiv
