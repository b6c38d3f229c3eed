// A running Qiv.exe and its settings window, as the settings tests open it, page through it and press its
// buttons.
#pragma once

#include "resources/resource.h"
#include "tests/e2e/harness/QivTest.h"

#include <commctrl.h>

#include <string>

namespace qiv::e2e {

constexpr const char* kDialogClass = "#32770";
constexpr const char* kSettingsCaption = "Qiv Settings";
constexpr int kScreensPage = 1;
constexpr int kKeyboardPage = 2;

inline LRESULT SendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) return -1;
  return static_cast<LRESULT>(result);
}

inline RECT WindowRect(HWND window) {
  RECT rect = {};
  ::GetWindowRect(window, &rect);
  return rect;
}

inline POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

inline bool IsChecked(HWND button) { return SendTo(button, BM_GETCHECK) == BST_CHECKED; }

class SettingsFixture : public QivTest {
 protected:
  void StartQiv() {
    ASSERT_TRUE(qiv_.Start());
    panel_ = qiv_.WaitForSettledPanel();
    ASSERT_NE(panel_, nullptr) << "the panel was not laid out and made top-most";
  }

  // The panel's Settings command, and the window it opens with its sheet.
  ::testing::AssertionResult OpenSettings() {
    ::PostMessageA(panel_, WM_COMMAND, MAKEWPARAM(IDM_SETTINGS, 0), 0);
    ::testing::AssertionResult opened = Eventually("the settings window", [&] {
      dialog_ = FindVisibleTopLevel(qiv_.Id(), kDialogClass, kSettingsCaption);
      sheet_ = dialog_ ? ::FindWindowExA(dialog_, nullptr, kDialogClass, nullptr) : nullptr;
      tabs_ = sheet_ ? ::FindWindowExA(sheet_, nullptr, WC_TABCONTROLA, nullptr) : nullptr;
      return tabs_ != nullptr && CurrentPage() != nullptr;
    });
    if (!opened) return opened;
    return Eventually("the settings window in the foreground", [&] { return ::GetForegroundWindow() == dialog_; });
  }

  HWND CurrentPage() const { return reinterpret_cast<HWND>(SendTo(sheet_, PSM_GETCURRENTPAGEHWND)); }
  int CurrentTab() const { return static_cast<int>(SendTo(tabs_, TCM_GETCURSEL)); }

  ::testing::AssertionResult ShowPage(int index) {
    SendTo(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return Eventually("page " + std::to_string(index) + " in front", [&] { return CurrentTab() == index; });
  }

  HWND Control(int id) const { return ::GetDlgItem(CurrentPage(), id); }

  void SetText(int id, const char* text) const { SendTo(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

  void SetCheck(int id, bool checked) const { SendTo(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

  ::testing::AssertionResult PressOnCurrentPage(int button) {
    PressDialogButton(CurrentPage(), button);
    return SettingsClosed();
  }

  ::testing::AssertionResult SettingsClosed() {
    return Eventually("the settings window to close", [&] { return !::IsWindow(dialog_); });
  }

  // Waits for a message box of Qiv with textPart, checks that the settings window stays open behind it, and
  // closes it with OK.
  ::testing::AssertionResult MessageShownAndClosed(const std::string& textPart) {
    const HWND box = qiv_.WaitForMessageBox(textPart);
    if (box == nullptr) return ::testing::AssertionFailure() << "no message \"" << textPart << '"';
    if (!::IsWindow(dialog_)) return ::testing::AssertionFailure() << "the settings window closed";
    PressDialogButton(box, IDOK);
    return Eventually("the message to close", [&] { return !::IsWindow(box); });
  }

  HWND panel_ = nullptr;
  HWND dialog_ = nullptr;
  HWND sheet_ = nullptr;
  HWND tabs_ = nullptr;
};

}  // namespace qiv::e2e
