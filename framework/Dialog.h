// Dialogs from resource templates, modal or modeless, with data exchange between members and controls.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"
#include "framework/Window.h"

namespace qiv {

class DataExchange;

class Dialog : public Window {
 public:
  explicit Dialog(UINT templateId);

  // Runs the dialog modally and answers the value given to EndDialog (-1 when it could not be created).
  // Its owner is the thread's current modal dialog, so that one is the window disabled meanwhile; without
  // one, the top-level window of parent.
  INT_PTR DoModal(HWND parent);
  // Creates the dialog modeless (the dialog manager does not show it unless its template says visible).
  bool Create(HWND parent);
  // Ends a modal run with result (the owner is enabled again before the dialog goes); destroys a modeless
  // dialog, whose result nobody waits for.
  void EndDialog(INT_PTR result);
  // save = false: members into controls. save = true: controls into members, with validation; false when a
  // value was refused (the user has been told, the focus is on the control and later lines were skipped).
  bool UpdateData(bool save);
  bool IsModal() const { return modal_; }

 protected:
  UINT TemplateId() const { return templateId_; }

  // At WM_INITDIALOG. Default: UpdateData(false), then true, which lets the dialog manager focus the first
  // control; answer false after setting the focus yourself.
  virtual bool OnInitDialog();
  // IDOK. Default: UpdateData(true) and, if it succeeds, EndDialog(IDOK).
  virtual void OnOK();
  // IDCANCEL (also Escape and the close box). Default: EndDialog(IDCANCEL), which destroys a modeless dialog.
  virtual void OnCancel();
  // One line per control, e.g. dx.ExchangeInteger(IDC_RATE, rate_, 100, 10000). Default: no controls.
  virtual void DoDataExchange(DataExchange& dx);

  // A modeless top-level dialog gets the dialog manager's keyboard handling here (Tab, Enter, Escape); the
  // modal loop does that itself for its dialog.
  bool PreTranslateMessage(MSG& message) override;

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  LRESULT HandleOk(WPARAM wParam, LPARAM lParam);
  LRESULT HandleCancel(WPARAM wParam, LPARAM lParam);

  UINT templateId_;
  bool modal_ = false;
};

}  // namespace qiv
