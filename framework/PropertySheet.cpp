// A comctl32 property sheet of PropertyPage objects: modal, or modeless as a child control of a dialog.
#include "framework/PropertySheet.h"

#include <commctrl.h>

#include <cstring>
#include <utility>

#include "framework/ModalScope.h"
#include "framework/Program.h"

namespace qiv {
namespace {

// The sheet being created on this thread: the sheet callback has no parameter of its own to carry it.
thread_local PropertySheet* tlsCreatingSheet = nullptr;

// The sheet's buttons; IDD_APPLYNOW in comctl32's template.
constexpr int kSheetButtons[] = {IDOK, IDCANCEL, IDHELP, 0x3021};

// Offsets of the style fields in the two template layouts comctl32 may hand over.
constexpr std::size_t kTemplateStyle = 0;
constexpr std::size_t kTemplateExStyle = 4;
constexpr std::size_t kExTemplateSignature = 2;
constexpr std::size_t kExTemplateExStyle = 8;
constexpr std::size_t kExTemplateStyle = 12;

DWORD ReadDword(const BYTE* at) {
  DWORD value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

void WriteDword(BYTE* at, DWORD value) { std::memcpy(at, &value, sizeof value); }

// Before the sheet's dialog is created, its template gets the child style. The font flags stay: they say
// whether the template carries a font.
void SetTemplateStyle(BYTE* dialogTemplate, DWORD style, DWORD exStyle) {
  WORD signature;
  std::memcpy(&signature, dialogTemplate + kExTemplateSignature, sizeof signature);
  const bool extended = signature == 0xFFFF;
  BYTE* styleField = dialogTemplate + (extended ? kExTemplateStyle : kTemplateStyle);
  BYTE* exStyleField = dialogTemplate + (extended ? kExTemplateExStyle : kTemplateExStyle);
  const DWORD fontFlags = ReadDword(styleField) & (DS_SETFONT | DS_FIXEDSYS);
  WriteDword(styleField, style | fontFlags);
  WriteDword(exStyleField, exStyle);
}

}  // namespace

PropertySheet::PropertySheet(std::string caption) : caption_(std::move(caption)) {}

void PropertySheet::AddPage(PropertyPage& page) { pages_.push_back(&page); }

INT_PTR PropertySheet::DoModal(HWND parent) {
  if (Handle()) return -1;
  ModalScope scope(parent);
  modalScope_ = &scope;
  child_ = false;
  // comctl32 disables the owner and enables it again before it destroys the sheet.
  const INT_PTR result = Run(scope.Owner(), 0);
  modalScope_ = nullptr;
  return result;
}

bool PropertySheet::CreateChild(HWND parent, DWORD style, DWORD exStyle) {
  child_ = true;
  childStyle_ = style;
  childExStyle_ = exStyle;
  Run(parent, PSH_MODELESS);
  return Handle() != nullptr;
}

HWND PropertySheet::TabControl() const { return reinterpret_cast<HWND>(Send(PSM_GETTABCONTROL)); }

bool PropertySheet::SetActivePage(int index) const { return Send(PSM_SETCURSEL, static_cast<WPARAM>(index)) != FALSE; }

void PropertySheet::OnSheetCreated() {}

INT_PTR PropertySheet::Run(HWND parent, DWORD flags) {
  if (Handle() || pages_.empty()) return -1;
  std::vector<PROPSHEETPAGEA> pages;
  for (PropertyPage* page : pages_) pages.push_back(page->Description());
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOAPPLYNOW | flags;
  header.hwndParent = parent;
  header.hInstance = ProgramInstance();
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = pages.data();
  header.pfnCallback = SheetCallback;
  PropertySheet* const previous = tlsCreatingSheet;
  tlsCreatingSheet = this;
  const INT_PTR result = ::PropertySheetA(&header);
  tlsCreatingSheet = previous;
  return result;
}

int CALLBACK PropertySheet::SheetCallback(HWND window, UINT message, LPARAM lParam) {
  PropertySheet* const sheet = tlsCreatingSheet;
  if (!sheet) return 0;
  if (message == PSCB_PRECREATE && sheet->child_) {
    SetTemplateStyle(reinterpret_cast<BYTE*>(lParam), sheet->childStyle_, sheet->childExStyle_);
  } else if (message == PSCB_INITIALIZED) {
    tlsCreatingSheet = nullptr;
    sheet->Subclass(window);
    if (sheet->modalScope_) sheet->modalScope_->SetModalWindow(window);
    if (sheet->child_) {
      for (int id : kSheetButtons) {
        if (const HWND button = ::GetDlgItem(window, id)) ::ShowWindow(button, SW_HIDE);
      }
    }
    sheet->OnSheetCreated();
  }
  return 0;
}

}  // namespace qiv
