// Qiv.exe's normal run under Wine: the panel, the settings written at the first start,
// the single instance and the close command.
#include "tests/e2e/harness/QivTest.h"

#include <algorithm>
#include <cstdio>

namespace qiv::e2e {
namespace {

const std::vector<std::string> kSettingsValues = {"MainWndPos",
                                                  "ShowOnlyPointed",
                                                  "AlwaysOnTop",
                                                  "ConfirmClose",
                                                  "DoubleWidth",
                                                  "AppTitleRefreshRate",
                                                  "TransMain",
                                                  "TransAppList",
                                                  "ColorEmptyScreen",
                                                  "ColorNonemptyScreen",
                                                  "ColorBlinkingScreen",
                                                  "SmartDispatch",
                                                  "ScreenTooltips",
                                                  "ScrBtnIcon",
                                                  "ScrBtnNumber",
                                                  "BoolSnapScreenBorders",
                                                  "IntSnapScreenBorders",
                                                  "SelfActivateBlink",
                                                  "TooltipScreenContent",
                                                  "ToolWndAlwaysSticky",
                                                  "ResizerOnlyNear",
                                                  "SelfActivateSound",
                                                  "HK_PrevScreen",
                                                  "HK_NextScreen"};

class Startup : public QivTest {};

// The first panel of an ordinary start settles within about 1.5 s under Wine on a busy machine.
constexpr ULONGLONG kUsablePanelMs = 4000;

TEST_F(Startup, PanelAppearsAndCloseCommandEndsTheProgram) {
  ASSERT_TRUE(qiv_.Start());
  ASSERT_NE(qiv_.WaitForPanel(), nullptr) << "no panel window of Qiv.exe appeared";
  EXPECT_TRUE(qiv_.Close()) << "Qiv.exe did not end after the close command was confirmed";
  EXPECT_EQ(qiv_.Process().ExitCode(), 0u);
}

TEST_F(Startup, WritesEverySettingAndTheFiveDefaultScreens) {
  ASSERT_TRUE(qiv_.Start());
  ASSERT_NE(qiv_.WaitForPanel(), nullptr);

  // Wine enumerates values by name, not in creation order as Windows does; the native
  // tests check the order.
  std::vector<std::string> written = ValueNames(HKEY_CURRENT_USER, kQivKey);
  std::vector<std::string> expected = kSettingsValues;
  std::sort(written.begin(), written.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(written, expected);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kQivKey, "HK_PrevScreen"), "37 3");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kQivKey, "HK_NextScreen"), "39 3");
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "BoolSnapScreenBorders"), 10u);

  const std::string screens = std::string(kQivKey) + "\\Screens";
  const char* const names[] = {"Main", "The Web", "Music", "Pictures", "Misc"};
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, screens, "ScreenName #" + n), names[i]);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, screens, "Screen #" + n), " " + n) << "built-in icon " << i;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, screens, "HotKey #" + n), std::to_string(49 + i) + " 3");
  }
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, screens).size(), 15u);
}

// One stored value names screen 9999, and with it the 9999 screens before it.
TEST_F(Startup, TenThousandStoredScreensDoNotHoldUpThePanel) {
  const std::string screens = std::string(kQivKey) + "\\Screens";
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, screens, "Screen #9999", " 0"));
  const ULONGLONG start = ::GetTickCount64();
  ASSERT_TRUE(qiv_.Start());
  HWND panel = qiv_.WaitForSettledPanel();
  ASSERT_NE(panel, nullptr);
  const ULONGLONG took = ::GetTickCount64() - start;
  std::printf("[startup] panel settled %llu ms after the start with 10000 stored screens\n", took);
  EXPECT_LT(took, kUsablePanelMs);
  EXPECT_EQ(QivProcess::CurrentScreen(panel), 0) << "the panel answers";
  EXPECT_TRUE(qiv_.Close());
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, screens, "Screen #9999"), " 0") << "a start deletes nothing stored";
}

TEST_F(Startup, SecondStartSaysSoAndLeavesTheFirstRunning) {
  ASSERT_TRUE(qiv_.Start());
  HWND panel = qiv_.WaitForPanel();
  ASSERT_NE(panel, nullptr);

  QivProcess second;
  ASSERT_TRUE(second.Start());
  HWND box = second.WaitForMessageBox("This program is already running.");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "This program is already running.");
  PressDialogButton(box, IDOK);
  EXPECT_TRUE(second.Process().WaitForExit(5000));
  EXPECT_EQ(second.Panel(), nullptr);
  EXPECT_TRUE(qiv_.Process().IsRunning());
  EXPECT_TRUE(::IsWindowVisible(panel));
}

TEST_F(Startup, LowerCaseSwitchesStartTheNormalRun) {
  ASSERT_TRUE(qiv_.Start("/u /i"));
  EXPECT_NE(qiv_.WaitForPanel(), nullptr);
}

TEST_F(Startup, CloseAnsweredNoKeepsTheProgramRunning) {
  ASSERT_TRUE(qiv_.Start());
  HWND panel = qiv_.WaitForPanel();
  ASSERT_NE(panel, nullptr);
  // Escape, Enter and the system's close request are all ignored.
  ::PostMessageA(panel, WM_CLOSE, 0, 0);
  ::PostMessageA(panel, WM_COMMAND, IDCANCEL, 0);
  ::PostMessageA(panel, WM_COMMAND, IDOK, 0);
  ::PostMessageA(panel, WM_COMMAND, 32772, 0);
  HWND question = qiv_.WaitForMessageBox("Do you really want to close Qivdesk?");
  ASSERT_NE(question, nullptr);
  PressDialogButton(question, IDNO);
  EXPECT_TRUE(Throughout(
      "Qiv keeps running", [&] { return qiv_.Process().IsRunning(); }, 500));
  EXPECT_TRUE(::IsWindowVisible(panel));
}

}  // namespace
}  // namespace qiv::e2e
