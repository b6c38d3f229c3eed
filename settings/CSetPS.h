// The settings sheet: five pages in a child property sheet of the settings dialog, with one image per tab.
#pragma once

#include <windows.h>

#include <vector>

#include "engine/ScreenModel.h"
#include "framework/Dialog.h"
#include "framework/ImageList.h"
#include "framework/PropertySheet.h"
#include "settings/CSetAdvPP.h"
#include "settings/CSetGeneralPP.h"
#include "settings/CSetKeyboardPP.h"
#include "settings/CSetScreenPP.h"
#include "settings/CSetStickyPP.h"
#include "shell/Settings.h"

namespace qiv {

// The sheet's work after its creation, posted to itself: the tab images, the layout, the first pages.
constexpr UINT WM_SHEET_INIT = WM_USER + 14;

// Page indexes, in tab order.
constexpr int kGeneralPage = 0;
constexpr int kScreensPage = 1;
constexpr int kKeyboardPage = 2;
constexpr int kStickyPage = 3;
constexpr int kAdvancedPage = 4;

class CSetPS : public PropertySheet {
 public:
  // model: the panel's screens, which the Screens page edits a copy of; dialog: the window the sheet lives in,
  // which OK and Cancel end; startPage: the page shown first; windowToStick: a window for the Sticky Windows page
  // to make a rule of, or null.
  CSetPS(Settings& settings, ScreenModel& model, Dialog& dialog, int startPage, HWND windowToStick);

  // Every page's OK (and Enter): saves the pages that have a window and then the settings, and ends the
  // dialog with IDOK; a page that refuses its values keeps the dialog open.
  void ApplyAllPages();
  // Every page's Cancel (and Escape): ends the dialog with IDCANCEL; nothing was taken over.
  void CancelAllPages();

  Settings& SettingsRecord() const { return settings_; }
  ScreenModel& Model() const { return model_; }
  CSetScreenPP& ScreensPage() { return screens_; }
  HWND WindowToStick() const { return windowToStick_; }

 protected:
  void OnSheetCreated() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnSheetInit(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnOkCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnCancelCommand(WPARAM wParam, LPARAM lParam);

  // The tab control on one row over the whole sheet, and every page that has a window in its display area.
  void LayoutSheet(int width, int height);
  std::vector<PageActions*> PageList();

  Settings& settings_;
  // Before the pages, which read it as they are made.
  ScreenModel& model_;
  Dialog& dialog_;
  int startPage_;
  HWND windowToStick_;
  CSetGeneralPP general_;
  CSetScreenPP screens_;
  CSetKeyboardPP keyboard_;
  CSetStickyPP sticky_;
  CSetAdvPP advanced_;
  // Outlives the tab control, which does not free it: the sheet's window goes before its members.
  ImageList tabImages_;
};

}  // namespace qiv
