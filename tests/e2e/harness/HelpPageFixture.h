// A clean start with the browser replaced by a PageOpenRecorder: the tests ask Qiv.exe for a help page and
// check which file the shell was asked to open and that no "Can't open file" message came instead.
#pragma once

#include "resources/resource.h"
#include "tests/e2e/harness/PageOpenRecorder.h"
#include "tests/e2e/harness/QivTest.h"

#include <string>

namespace qiv::e2e {

constexpr const char* kCantOpenFile = "Can't open file";

class HelpPageFixture : public QivTest {
 protected:
  void SetUp() override {
    QivTest::SetUp();
    ASSERT_TRUE(pages_.Installed()) << "the .htm association could not be set";
  }

  // The panel of Qiv.exe started from folder (ending in a backslash).
  HWND StartQivFrom(const std::string& folder) {
    if (!qiv_.StartFrom(folder + "Qiv.exe")) return nullptr;
    return qiv_.WaitForSettledPanel();
  }

  // The main menu's "&Help...".
  static void ChooseHelp(HWND panel) { ::PostMessageA(panel, WM_COMMAND, MAKEWPARAM(IDM_HELP, 0), 0); }

  // The shell was asked to open path, and no message said that a file could not be opened.
  ::testing::AssertionResult Opened(const std::string& path) {
    ::testing::AssertionResult asked = Eventually("the shell asked to open " + path, [&] {
      for (const std::string& page : pages_.OpenedPages()) {
        if (::lstrcmpiA(page.c_str(), path.c_str()) == 0) return true;
      }
      return false;
    });
    if (HWND box = FindMessageBox(qiv_.Id(), kMessageBoxCaption, kCantOpenFile)) {
      return ::testing::AssertionFailure() << "a message said: " << MessageBoxText(box);
    }
    return asked;
  }

  PageOpenRecorder pages_;
};

}  // namespace qiv::e2e
