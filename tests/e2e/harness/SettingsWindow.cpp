// The settings window of Qiv.exe as the tests find and drive it.
#include "tests/e2e/harness/SettingsWindow.h"

#include <commctrl.h>

#include "resources/resource.h"
#include "tests/e2e/harness/Wait.h"
#include "tests/e2e/harness/WindowQueries.h"

namespace qiv::e2e {
namespace {

bool IsChecked(HWND dialog, int id) { return SendTo(::GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED; }

}  // namespace

bool operator==(const StickyEditorEntries& a, const StickyEditorEntries& b) {
  return a.useText == b.useText && a.isFragment == b.isFragment && a.text == b.text && a.useClass == b.useClass &&
         a.className == b.className;
}

std::ostream& operator<<(std::ostream& out, const StickyEditorEntries& entries) {
  return out << "{text " << (entries.useText ? "on" : "off") << (entries.isFragment ? " (fragment)" : "") << " \""
             << entries.text << "\", class " << (entries.useClass ? "on" : "off") << " \"" << entries.className
             << "\"}";
}

StickyEditorEntries ReadStickyEditor(HWND editor) {
  StickyEditorEntries entries;
  entries.useText = IsChecked(editor, IDC_RULE_USE_TEXT);
  entries.isFragment = IsChecked(editor, IDC_RULE_IS_FRAGMENT);
  entries.text = WindowText(::GetDlgItem(editor, IDC_RULE_TEXT));
  entries.useClass = IsChecked(editor, IDC_RULE_USE_CLASS);
  entries.className = WindowText(::GetDlgItem(editor, IDC_RULE_CLASS));
  return entries;
}

::testing::AssertionResult SettingsWindow::WaitUntilShown() {
  return Eventually("the settings window", [&] {
    dialog_ = FindVisibleTopLevel(qiv_.Id(), kDialogClass, kSettingsCaption);
    sheet_ = dialog_ ? ::FindWindowExA(dialog_, nullptr, kDialogClass, nullptr) : nullptr;
    tabs_ = sheet_ ? ::FindWindowExA(sheet_, nullptr, WC_TABCONTROLA, nullptr) : nullptr;
    return tabs_ != nullptr && CurrentPage() != nullptr;
  });
}

::testing::AssertionResult SettingsWindow::WaitUntilOpen() {
  if (::testing::AssertionResult shown = WaitUntilShown(); !shown) return shown;
  return Eventually("the settings window in the foreground", [&] { return ::GetForegroundWindow() == dialog_; });
}

::testing::AssertionResult SettingsWindow::OpenFromPanel(HWND panel) {
  ::PostMessageA(panel, WM_COMMAND, MAKEWPARAM(IDM_SETTINGS, 0), 0);
  return WaitUntilOpen();
}

::testing::AssertionResult SettingsWindow::WaitUntilClosed() const {
  return Eventually("the settings window to close", [&] { return !::IsWindow(dialog_); });
}

HWND SettingsWindow::CurrentPage() const { return reinterpret_cast<HWND>(SendTo(sheet_, PSM_GETCURRENTPAGEHWND)); }

int SettingsWindow::CurrentTab() const { return static_cast<int>(SendTo(tabs_, TCM_GETCURSEL)); }

::testing::AssertionResult SettingsWindow::ShowPage(int index) const {
  SendTo(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  return Eventually("page " + std::to_string(index) + " in front", [&] { return CurrentTab() == index; });
}

void SettingsWindow::SetText(int id, const char* text) const {
  SendTo(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void SettingsWindow::SetCheck(int id, bool checked) const {
  SendTo(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

HWND SettingsWindow::StickyEditor() const { return FindVisibleTopLevel(qiv_.Id(), kDialogClass, kStickyEditorCaption); }

}  // namespace qiv::e2e
