// Dialogs from resource templates, modal or modeless, with data exchange between members and controls.
#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/ModalScope.h"
#include "framework/Program.h"

namespace qiv {
namespace {

// The one place where a handler's result becomes what the dialog manager expects: these messages answer
// through the procedure's return value, every other handled one (WM_NOTIFY above all) through
// DWLP_MSGRESULT, with TRUE for "handled".
INT_PTR DialogResult(HWND window, UINT message, LRESULT result) {
  if (IsControlColourMessage(message)) return static_cast<INT_PTR>(result);
  switch (message) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON: return static_cast<INT_PTR>(result);
    default: ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result); return TRUE;
  }
}

}  // namespace

QIV_BEGIN_MESSAGE_MAP(Dialog, Window)
  QIV_ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  QIV_ON_COMMAND(IDOK, BN_CLICKED, HandleOk)
  QIV_ON_COMMAND(IDCANCEL, BN_CLICKED, HandleCancel)
QIV_END_MESSAGE_MAP()

Dialog::Dialog(UINT templateId, OkCancel okCancel) : templateId_(templateId), okCancel_(okCancel) {}

INT_PTR Dialog::DoModal(HWND parent) {
  if (Handle()) return -1;
  // The dialog manager disables the owner and enables it again in EndDialog, before it hides the dialog.
  ModalScope scope(parent);
  modalScope_ = &scope;
  INT_PTR result;
  {
    HandOver handOver(*this, WindowBinding::Dialog);
    result = ::DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId_), scope.Owner(), DialogProc, 0);
  }
  modalScope_ = nullptr;
  return result;
}

bool Dialog::Create(HWND parent) {
  if (Handle()) return false;
  HandOver handOver(*this, WindowBinding::Dialog);
  const HWND window = ::CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId_), parent, DialogProc, 0);
  return window != nullptr && Handle() == window;
}

void Dialog::EndDialog(INT_PTR result) {
  if (IsModal()) {
    ::EndDialog(Handle(), result);
  } else {
    ::DestroyWindow(Handle());
  }
}

bool Dialog::UpdateData(bool save) {
  DataExchange dx(*this, save);
  DoDataExchange(dx);
  return !dx.Failed();
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::RevealForCorrection() {}

bool Dialog::PreTranslateMessage(MSG& message) {
  if (IsModal() || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  if (::GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_CHILD) return false;
  return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

LRESULT Dialog::HandleInitDialog(WPARAM, LPARAM) {
  if (modalScope_) modalScope_->SetModalWindow(Handle());
  return OnInitDialog() ? TRUE : FALSE;
}

LRESULT Dialog::HandleOk(WPARAM, LPARAM) {
  if (okCancel_ == OkCancel::Handled) OnOK();
  return 0;
}

LRESULT Dialog::HandleCancel(WPARAM, LPARAM) {
  if (okCancel_ == OkCancel::Handled) OnCancel();
  return 0;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* object = FromHandle(window);
  if (!object) object = TakeHandOver(window, WindowBinding::Dialog);
  if (!object) return FALSE;
  LRESULT result = 0;
  const bool handled = static_cast<Dialog*>(object)->Dispatch(message, wParam, lParam, result);
  if (message == WM_NCDESTROY) {
    static_cast<Dialog*>(object)->FinishDestroy();
    return FALSE;
  }
  return handled ? DialogResult(window, message, result) : FALSE;
}

}  // namespace qiv
