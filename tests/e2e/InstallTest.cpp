// The install and uninstall runs of Qiv.exe under Wine, from a copy of the program in a
// folder of its own (the uninstall run deletes the program's files).
#include "tests/e2e/harness/QivTest.h"
#include "tests/e2e/harness/ShellQueries.h"

#include <objbase.h>
#include <shlobj.h>

namespace qiv::e2e {
namespace {

constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qiv{C26C8145-48E1-4ef4-BFA6-ADA0F40232F3}";
constexpr int kRunNowCheckBox = 1021;

class Install : public QivTest {
 protected:
  void SetUp() override {
    QivTest::SetUp();
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    folder_ = TempFolder() + "Qiv Install Test\\";
    ASSERT_TRUE(CopyProgramTo(folder_));
    ::CreateDirectoryA((folder_ + "Help").c_str(), nullptr);
    desktopLink_ = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "Qiv.lnk";
    startupLink_ = SpecialFolder(CSIDL_STARTUP) + "Qiv.lnk";
  }
  void TearDown() override { ::CoUninitialize(); }

  std::string Executable() const { return folder_ + "Qiv.exe"; }

  // The install run with "Run Qiv now" cleared, confirmed with OK.
  void InstallWithoutRunning() {
    ASSERT_TRUE(qiv_.StartFrom(Executable(), "/I"));
    HWND dialog = nullptr;
    ASSERT_TRUE(Eventually("the install dialog", [&] {
      return (dialog = FindVisibleTopLevel(qiv_.Id(), "#32770", "Install Qiv")) != nullptr;
    }));
    ::SendMessageA(::GetDlgItem(dialog, kRunNowCheckBox), BM_SETCHECK, BST_UNCHECKED, 0);
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(qiv_.Process().WaitForExit(10000)) << "the install run did not end";
  }

  std::string folder_;
  std::string desktopLink_;
  std::string startupLink_;
};

TEST_F(Install, WritesTheUninstallEntryAndBothShortcuts) {
  ::DeleteFileA(desktopLink_.c_str());
  ::DeleteFileA(startupLink_.c_str());
  InstallWithoutRunning();

  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Qivdesk 2.0");
  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), Executable() + " /U");
  for (const std::string& link : {desktopLink_, startupLink_}) {
    EXPECT_EQ(::lstrcmpiA(ShortcutTarget(link).c_str(), Executable().c_str()), 0) << link;
  }
  EXPECT_EQ(qiv_.Panel(), nullptr) << "without \"Run Qiv now\" no panel may start";
}

TEST_F(Install, UninstallDeletesKeysShortcutsAndFinallyTheProgramFiles) {
  InstallWithoutRunning();
  ASSERT_TRUE(FileExists(desktopLink_));
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, std::string(kQivKey) + "\\Screens", "Marker", 1));

  QivProcess uninstall;
  ASSERT_TRUE(uninstall.StartFrom(Executable(), "/U"));
  HWND question = uninstall.WaitForMessageBox("Do you want to uninstall the Qivdesk?");
  ASSERT_NE(question, nullptr);
  PressDialogButton(question, IDYES);
  HWND done = uninstall.WaitForMessageBox("Qivdesk is successfully uninstalled.");
  ASSERT_NE(done, nullptr);
  // While the program still runs, its key is gone and nothing writes it back.
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kQivKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_FALSE(FileExists(desktopLink_));
  EXPECT_FALSE(FileExists(startupLink_));
  EXPECT_TRUE(FileExists(TempFolder() + "DeleteQiv.bat")) << "the clean-up batch waits for the program to end";
  PressDialogButton(done, IDOK);
  ASSERT_TRUE(uninstall.Process().WaitForExit(10000));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kQivKey));

  // Once the program has ended, the batch deletes its files, its folder and itself.
  EXPECT_TRUE(Eventually(
      "the batch to delete the program folder and itself",
      [&] {
        return !FileExists(Executable()) && !FileExists(folder_ + "Qivhook.dll") && !FileExists(folder_) &&
               !FileExists(TempFolder() + "DeleteQiv.bat");
      },
      15000));
}

TEST_F(Install, UninstallStopsWhileAnEarlierVersionRuns) {
  HANDLE legacy = ::CreateMutexA(nullptr, TRUE, "Vorn Qiv instance control mutex");
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "AlwaysOnTop", 1));
  ASSERT_TRUE(qiv_.StartFrom(Executable(), "/U"));
  HWND box = qiv_.WaitForMessageBox("Qivdesk is already started.");
  ASSERT_NE(box, nullptr);
  PressDialogButton(box, IDOK);
  EXPECT_TRUE(qiv_.Process().WaitForExit(5000));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kQivKey));
  ::CloseHandle(legacy);
}

}  // namespace
}  // namespace qiv::e2e
