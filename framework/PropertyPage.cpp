// A page of a comctl32 property sheet: a dialog whose PSN_ notifications become virtual calls.
#include "framework/PropertyPage.h"

#include "framework/Program.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(PropertyPage, Dialog)
  QIV_ON_NOTIFY_CODE(PSN_SETACTIVE, HandleSheetNotify)
  QIV_ON_NOTIFY_CODE(PSN_KILLACTIVE, HandleSheetNotify)
  QIV_ON_NOTIFY_CODE(PSN_APPLY, HandleSheetNotify)
  QIV_ON_NOTIFY_CODE(PSN_RESET, HandleSheetNotify)
  QIV_ON_NOTIFY_CODE(PSN_QUERYCANCEL, HandleSheetNotify)
  QIV_ON_NOTIFY_CODE(PSN_HELP, HandleSheetNotify)
QIV_END_MESSAGE_MAP()

// The sheet owns OK and Cancel: buttons with these ids on a page do nothing unless the page maps them.
PropertyPage::PropertyPage(UINT templateId) : Dialog(templateId, OkCancel::Ignored) {}

bool PropertyPage::OnSetActive() { return true; }

bool PropertyPage::OnKillActive() { return true; }

bool PropertyPage::OnApply() { return true; }

void PropertyPage::OnReset() {}

bool PropertyPage::OnQueryCancel() { return true; }

void PropertyPage::OnHelp() {}

void PropertyPage::RevealForCorrection() {
  const HWND sheet = ::GetParent(Handle());
  if (!sheet || PropSheet_GetCurrentPageHwnd(sheet) == Handle()) return;
  const int index = PropSheet_HwndToIndex(sheet, Handle());
  if (index >= 0) PropSheet_SetCurSel(sheet, nullptr, index);
}

PROPSHEETPAGEA PropertyPage::Description() {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_USECALLBACK;
  page.hInstance = ProgramInstance();
  page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
  page.pfnDlgProc = DialogProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  page.pfnCallback = PageCallback;
  return page;
}

// The sheet creates a page's dialog itself, right after this call: the moment to offer the page object.
UINT CALLBACK PropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEA* page) {
  if (message == PSPCB_CREATE) OfferHandOver(*reinterpret_cast<PropertyPage*>(page->lParam), WindowBinding::Dialog);
  return 1;
}

// The one place where the sheet's notifications become the virtual calls, and their answers the results
// comctl32 expects (the dialog procedure puts them into DWLP_MSGRESULT).
LRESULT PropertyPage::HandleSheetNotify(WPARAM, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->hwndFrom != ::GetParent(Handle())) return NotHandled();
  switch (header->code) {
    case PSN_SETACTIVE: return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE: return OnKillActive() ? FALSE : TRUE;
    case PSN_APPLY: return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    case PSN_RESET: OnReset(); return 0;
    case PSN_QUERYCANCEL: return OnQueryCancel() ? FALSE : TRUE;
    case PSN_HELP: OnHelp(); return 0;
    default: return NotHandled();
  }
}

}  // namespace qiv
