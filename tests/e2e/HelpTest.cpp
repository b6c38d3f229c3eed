// The help pages as the program opens them under Wine: the main menu's "&Help..." and the Lock dialog's
// "&Help" link open their pages from the Help folder beside Qiv.exe; without that folder a message names the page.
#include "tests/e2e/harness/HelpPageFixture.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/ShellQueries.h"

namespace qiv::e2e {
namespace {

class Help : public HelpPageFixture {};

TEST_F(Help, MainMenuHelpOpensMainPageBesideTheProgram) {
  HWND panel = StartQivFrom(BinaryDirectory());
  ASSERT_NE(panel, nullptr);
  ChooseHelp(panel);
  EXPECT_TRUE(Opened(BinaryDirectory() + "Help\\Main.htm"));
}

TEST_F(Help, LockDialogHelpLinkOpensLockPage) {
  HWND panel = StartQivFrom(BinaryDirectory());
  ASSERT_NE(panel, nullptr);
  ::PostMessageA(panel, WM_COMMAND, MAKEWPARAM(IDM_LOCK, 0), 0);
  HWND dialog = nullptr;
  ASSERT_TRUE(Eventually("the Lock dialog",
                         [&] { return (dialog = FindVisibleTopLevel(qiv_.Id(), "#32770", "Lock")) != nullptr; }));
  RECT link = {};
  ASSERT_TRUE(::GetWindowRect(::GetDlgItem(dialog, IDC_HELP_LINK), &link)) << "the dialog has no help link";
  ASSERT_TRUE(ClickAt({(link.left + link.right) / 2, (link.top + link.bottom) / 2}));
  EXPECT_TRUE(Opened(BinaryDirectory() + "Help\\Lock.htm"));
  PressDialogButton(dialog, IDCANCEL);
}

TEST_F(Help, MissingPageIsNamedInAMessage) {
  const std::string folder = TempFolder() + "Qiv Without Help\\";
  ASSERT_TRUE(CopyProgramTo(folder));
  HWND panel = StartQivFrom(folder);
  ASSERT_NE(panel, nullptr);
  ChooseHelp(panel);
  HWND box = qiv_.WaitForMessageBox(kCantOpenFile);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Can't open file\nMain.htm");
  PressDialogButton(box, IDOK);
  EXPECT_TRUE(pages_.OpenedPages().empty());
}

}  // namespace
}  // namespace qiv::e2e
