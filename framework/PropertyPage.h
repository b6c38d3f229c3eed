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
  // The page is about to be left (another tab, or the sheet's OK). true lets it go; false keeps it active.
  // Default: UpdateData(true), so a refused value keeps the user on the page.
  virtual bool OnKillActive();
  // The sheet's OK or Apply, for every page that has a window. false keeps the sheet open with this page
  // active. Default: true.
  virtual bool OnApply();
  // The sheet's Cancel, for every page that has a window. Default: nothing.
  virtual void OnReset();

  // The sheet owns OK and Cancel: buttons with these ids on a page do nothing unless the page maps them.
  void OnOK() override;
  void OnCancel() override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  friend class PropertySheet;

  // What the sheet needs to create the page when it first shows it.
  PROPSHEETPAGEA Description();
  static UINT CALLBACK PageCallback(HWND window, UINT message, PROPSHEETPAGEA* page);
  LRESULT HandleSheetNotify(WPARAM wParam, LPARAM lParam);
};

}  // namespace qiv
