// A page of a comctl32 property sheet: a dialog whose PSN_ notifications become virtual calls.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "framework/Dialog.h"

namespace qiv {

class PropertySheet;

class PropertyPage : public Dialog {
 public:
  // The tab caption is the template's dialog caption.
  explicit PropertyPage(UINT templateId);

 protected:
  // The page is about to become the active one. true lets it; false keeps the sheet on the page it is on.
  // Default: true.
  virtual bool OnSetActive();
  // The page is about to be left (another tab, or the sheet's OK before its PSN_APPLY). true lets it go;
  // false keeps it active (the answer is DWLP_MSGRESULT FALSE to go, TRUE to stay). Default: true without
  // any exchange: values are checked on OK, for every page at once, not whenever a tab is changed. A page
  // that must hold the user answers UpdateData(true).
  virtual bool OnKillActive();
  // The sheet's OK or Apply, for every page that has a window. false keeps the sheet open; a page that
  // saves with UpdateData(true) has then been brought to the front with the focus on the refused value.
  // Default: true.
  virtual bool OnApply();
  // The sheet's Cancel, for every page that has a window. Default: nothing.
  virtual void OnReset();
  // The sheet's Cancel (or Escape, or the close box), asked of the active page before anything is undone.
  // true lets the sheet cancel; false keeps it open (DWLP_MSGRESULT FALSE allows, TRUE prevents).
  // Default: true.
  virtual bool OnQueryCancel();
  // The sheet's Help button, on the active page. The sheet ignores the answer. Default: nothing.
  virtual void OnHelp();

  // Brings this page to the front of its sheet, so that the focus lands on a control the user can see.
  void RevealForCorrection() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  friend class PropertySheet;

  // What the sheet needs to create the page when it first shows it.
  PROPSHEETPAGEA Description();
  static UINT CALLBACK PageCallback(HWND window, UINT message, PROPSHEETPAGEA* page);
  LRESULT HandleSheetNotify(WPARAM wParam, LPARAM lParam);
};

}  // namespace qiv
