// Base fixture of the tests that drive the settings window that the panel's Settings command opens.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/harness/QivTest.h"
#include "tests/e2e/harness/SettingsWindow.h"
#include "tests/e2e/harness/WindowQueries.h"

namespace qiv::e2e {

class SettingsFixture : public QivTest {
 protected:
  ::testing::AssertionResult OpenSettings() { return settings_.OpenFromPanel(panel_); }

  HWND CurrentPage() const { return settings_.CurrentPage(); }
  ::testing::AssertionResult ShowPage(int index) { return settings_.ShowPage(index); }
  HWND Control(int id) const { return settings_.Control(id); }

  // Presses a button of the page in front (OK, Cancel) and waits for the settings window to close.
  ::testing::AssertionResult PressOnCurrentPage(int button) {
    PressDialogButton(CurrentPage(), button);
    return settings_.WaitUntilClosed();
  }

  SettingsWindow settings_{qiv_};
};

}  // namespace qiv::e2e
