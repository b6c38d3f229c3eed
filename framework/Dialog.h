// Dialogs from resource templates, modal or modeless, with data exchange between members and controls.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"
#include "framework/Window.h"

namespace qiv {

class DataExchange;
class ModalScope;

// What IDOK and IDCANCEL (Enter, Escape, the close box) do in a dialog.
enum class OkCancel {
  Handled,  // they reach OnOK and OnCancel
  Ignored,  // nothing, unless the class maps them itself: windows that are not dialogs to the user
            // (panels, pictures, property pages, whose sheet owns OK and Cancel)
};

class Dialog : public Window {
 public:
  explicit Dialog(UINT templateId, OkCancel okCancel = OkCancel::Handled);

  // Runs the dialog modally under a ModalScope and answers the value given to EndDialog (-1 when it could
  // not be created). Its owner is the thread's current modal window, so that one is the window disabled
  // meanwhile; without one, the top-level window of parent.
  INT_PTR DoModal(HWND parent);
  // Creates the dialog modeless (the dialog manager does not show it unless its template says visible).
  bool Create(HWND parent);
  // Ends a modal run with result (the owner is enabled again before the dialog goes); destroys a modeless
  // dialog, whose result nobody waits for.
  void EndDialog(INT_PTR result);
  // save = false: members into controls. save = true: controls into members, with validation; false when a
  // value was refused (the user has been told, the focus is on the control and later lines were skipped).
  bool UpdateData(bool save);
  bool IsModal() const { return modalScope_ != nullptr; }

 protected:
  UINT TemplateId() const { return templateId_; }

  // At WM_INITDIALOG. Default: UpdateData(false), then true, which lets the dialog manager focus the first
  // control; answer false after setting the focus yourself.
  virtual bool OnInitDialog();
  // IDOK, unless the dialog ignores it. Default: UpdateData(true) and, if it succeeds, EndDialog(IDOK).
  virtual void OnOK();
  // IDCANCEL (also Escape and the close box), unless the dialog ignores it. Default: EndDialog(IDCANCEL),
  // which destroys a modeless dialog.
  virtual void OnCancel();
  // One line per control, e.g. dx.ExchangeInteger(IDC_RATE, rate_, 100, 10000). Default: no controls.
  virtual void DoDataExchange(DataExchange& dx);
  // A value was refused and its message is about to be shown: make the dialog the one the user sees, so
  // that the focus then goes to a control in sight. Default: nothing (a dialog is in sight while it runs).
  virtual void RevealForCorrection();

  // A modeless top-level dialog gets the dialog manager's keyboard handling here (Tab, Enter, Escape); the
  // modal loop does that itself for its dialog.
  bool PreTranslateMessage(MSG& message) override;

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  LRESULT HandleOk(WPARAM wParam, LPARAM lParam);
  LRESULT HandleCancel(WPARAM wParam, LPARAM lParam);

  friend class DataExchange;

  UINT templateId_;
  OkCancel okCancel_;
  // The scope of the modal run, while DoModal runs.
  ModalScope* modalScope_ = nullptr;
};

}  // namespace qiv
