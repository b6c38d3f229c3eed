// The settings window of Qiv.exe as the tests find and drive it: the dialog, its sheet with the tabs, and the
// page in front.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/e2e/harness/QivProcess.h"

namespace qiv::e2e {

constexpr const char* kDialogClass = "#32770";
constexpr const char* kSettingsCaption = "Qiv Settings";
constexpr const char* kStickyEditorCaption = "Sticky window properties";
constexpr int kStickyPage = 3;

// What the sticky-rule editor shows.
struct StickyEditorEntries {
  bool useText = false;
  bool isFragment = false;
  std::string text;
  bool useClass = false;
  std::string className;
};
bool operator==(const StickyEditorEntries& a, const StickyEditorEntries& b);
std::ostream& operator<<(std::ostream& out, const StickyEditorEntries& entries);
StickyEditorEntries ReadStickyEditor(HWND editor);

class SettingsWindow {
 public:
  explicit SettingsWindow(const QivProcess& qiv) : qiv_(qiv) {}

  // Waits for the settings window with its tabs and a page in front.
  ::testing::AssertionResult WaitUntilShown();
  // Waits for it to be shown and to take the foreground.
  ::testing::AssertionResult WaitUntilOpen();
  // The panel's Settings command, and the window it opens.
  ::testing::AssertionResult OpenFromPanel(HWND panel);
  ::testing::AssertionResult WaitUntilClosed() const;

  HWND Dialog() const { return dialog_; }
  HWND Sheet() const { return sheet_; }
  HWND Tabs() const { return tabs_; }
  HWND CurrentPage() const;
  int CurrentTab() const;
  ::testing::AssertionResult ShowPage(int index) const;

  // A control of the page in front.
  HWND Control(int id) const { return ::GetDlgItem(CurrentPage(), id); }
  void SetText(int id, const char* text) const;
  void SetCheck(int id, bool checked) const;

  // The rule editor that the Sticky Windows page opens, when it is shown; null else.
  HWND StickyEditor() const;

 private:
  const QivProcess& qiv_;
  HWND dialog_ = nullptr;
  HWND sheet_ = nullptr;
  HWND tabs_ = nullptr;
};

}  // namespace qiv::e2e
