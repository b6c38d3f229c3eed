// The Screens and Keyboard pages of the settings under Wine: the screen list shaped and handed to the panel on
// OK, the refusals and check-box rules, the icon browser, and hot keys assigned with their checks.
#include "resources/resource.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/RemoteListView.h"
#include "tests/e2e/harness/SettingsFixture.h"

#include <commctrl.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace qiv::e2e {
namespace {

constexpr int kScreensPage = 1;
constexpr int kKeyboardPage = 2;
constexpr const char* kScreensKey = "Software\\Brevik\\Qiv\\Screens";
constexpr const char* kHotKeyCaption = "Hot key";
constexpr const char* kBrowserCaption = "Change Icon";
// Indexes in the hot key dialog's key list.
constexpr int kKeyNone = 0;
constexpr int kKey1 = 2;
constexpr int kKeyA = 11;
constexpr int kKeyQ = 27;
constexpr int kKeyNumpad5 = 54;
// Rows of the Keyboard page with the five default screens and one added: a heading, six screens, a heading,
// previous and next screen.
constexpr int kAddedScreenRow = 6;
constexpr int kNextScreenRow = 9;
// With the five default screens alone.
constexpr int kNextScreenRowOfFive = 8;

bool IsChecked(HWND button) { return SendTo(button, BM_GETCHECK) == BST_CHECKED; }

int PanelButtonCount(HWND panel) {
  return static_cast<int>(SendTo(::GetDlgItem(panel, IDC_SCREEN_BUTTONS), LB_GETCOUNT));
}

// Wide, since the list box keeps its strings in Unicode and only the wide form crosses the process boundary whole.
std::string PanelButtonText(HWND panel, int index) {
  wchar_t text[256] = {};
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(::GetDlgItem(panel, IDC_SCREEN_BUTTONS), LB_GETTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  char narrow[256] = {};
  ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

// An icon file with a single 16 x 16 image: a blue square.
bool WriteOneIconFile(const std::string& path) {
  constexpr int kSize = 16;
  std::vector<std::uint8_t> pixels(kSize * kSize * 4);
  for (std::size_t i = 0; i < pixels.size(); i += 4) {
    pixels[i] = 0xFF;
    pixels[i + 3] = 0xFF;
  }
  const std::vector<std::uint8_t> mask(kSize * 4, 0);  // rows of 32 bits, all opaque
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = kSize;
  header.biHeight = kSize * 2;  // the picture and its mask
  header.biPlanes = 1;
  header.biBitCount = 32;
  const DWORD imageSize = static_cast<DWORD>(sizeof header + pixels.size() + mask.size());
  const std::uint16_t directory[3] = {0, 1, 1};  // reserved, type icon, one image
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(directory), sizeof directory);
  const std::uint8_t entry[4] = {kSize, kSize, 0, 0};
  const std::uint16_t planesAndBits[2] = {1, 32};
  const DWORD offset = sizeof directory + 16;
  file.write(reinterpret_cast<const char*>(entry), sizeof entry);
  file.write(reinterpret_cast<const char*>(planesAndBits), sizeof planesAndBits);
  file.write(reinterpret_cast<const char*>(&imageSize), sizeof imageSize);
  file.write(reinterpret_cast<const char*>(&offset), sizeof offset);
  file.write(reinterpret_cast<const char*>(&header), sizeof header);
  file.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
  file.write(reinterpret_cast<const char*>(mask.data()), static_cast<std::streamsize>(mask.size()));
  return file.good();
}

class ScreensPage : public SettingsFixture {
 protected:
  // Waits for a message box of Qiv with textPart, checks that the settings window stays open behind it, and
  // closes it with OK.
  ::testing::AssertionResult MessageShownAndClosed(const std::string& textPart) {
    const HWND box = qiv_.WaitForMessageBox(textPart);
    if (box == nullptr) return ::testing::AssertionFailure() << "no message \"" << textPart << '"';
    if (!::IsWindow(settings_.Dialog())) return ::testing::AssertionFailure() << "the settings window closed";
    PressDialogButton(box, IDOK);
    return Eventually("the message to close", [&] { return !::IsWindow(box); });
  }

  ::testing::AssertionResult OpenScreensPage() {
    if (::testing::AssertionResult opened = OpenSettings(); !opened) return opened;
    return ShowPage(kScreensPage);
  }

  HWND ScreenList() const { return Control(IDC_SCREEN_LIST); }
  std::vector<std::string> ScreenNames() const { return RemoteListView(ScreenList()).Texts(); }

  ::testing::AssertionResult SelectScreen(int index) {
    RemoteListView(ScreenList()).SelectOnly({index});
    return Eventually("screen " + std::to_string(index) + " selected", [&] {
      return SendTo(ScreenList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == index;
    });
  }

  // Change Icon on the selected screen.
  ::testing::AssertionResult OpenIconBrowser() {
    PressDialogButton(CurrentPage(), IDC_CHANGE_ICON);
    return Eventually("the icon browser", [&] {
      browser_ = FindVisibleTopLevel(qiv_.Id(), kDialogClass, kBrowserCaption);
      return browser_ != nullptr;
    });
  }

  // Browse in the icon browser, and the path typed into the file dialog and confirmed.
  ::testing::AssertionResult ChooseFileInBrowser(const std::string& path) {
    PressDialogButton(browser_, IDC_BROWSE_ICON_FILE);
    HWND open = nullptr;
    if (::testing::AssertionResult shown = Eventually("the file dialog",
                                                      [&] {
                                                        open = FindVisibleTopLevel(qiv_.Id(), kDialogClass, "Open");
                                                        return open != nullptr;
                                                      });
        !shown) {
      return shown;
    }
    // The file name field: a combo box on Windows (cmb13), an edit in older dialogs (edt1).
    for (int id : {0x47c, 0x480}) {
      if (HWND field = ::GetDlgItem(open, id)) SendTo(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    }
    PressDialogButton(open, IDOK);
    return Eventually("the file dialog to close", [&] { return !::IsWindow(open); });
  }

  // Renames the selected screen as a user does: Rename, type, Enter.
  ::testing::AssertionResult RenameSelected(const std::string& name) {
    PressDialogButton(CurrentPage(), IDC_RENAME_SCREEN);
    HWND edit = nullptr;
    if (::testing::AssertionResult editing =
            Eventually("the label edit",
                       [&] {
                         edit = reinterpret_cast<HWND>(SendTo(ScreenList(), LVM_GETEDITCONTROL));
                         return edit != nullptr && ::IsWindowVisible(edit);
                       });
        !editing) {
      return editing;
    }
    SendTo(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (!PressChord({VK_RETURN})) return ::testing::AssertionFailure() << "SendInput failed";
    return Eventually("the label edit to end", [&] { return !::IsWindow(edit) || !::IsWindowVisible(edit); });
  }

  HWND browser_ = nullptr;
};

TEST_F(ScreensPage, AddRenameMoveAndOkReachThePanelAndTheRegistry) {
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  PressDialogButton(CurrentPage(), IDC_ADD_SCREEN);
  ASSERT_TRUE(Eventually("the new screen in the list", [&] { return ScreenNames().size() == 6; }));
  EXPECT_EQ(ScreenNames().back(), "Screen N 6");
  EXPECT_EQ(SendTo(ScreenList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 5)
      << "the new one is selected";
  ASSERT_TRUE(RenameSelected("Chat"));
  ASSERT_TRUE(Eventually("the new name in the list", [&] { return ScreenNames().back() == "Chat"; }));
  PressDialogButton(CurrentPage(), IDC_MOVE_SCREEN_LEFT);
  const std::vector<std::string> moved = {"Main", "The Web", "Music", "Pictures", "Chat", "Misc"};
  ASSERT_TRUE(Eventually("the screen one place to the left", [&] { return ScreenNames() == moved; }));
  EXPECT_EQ(SendTo(ScreenList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 4);
  ASSERT_TRUE(PressOnCurrentPage(IDOK));

  ASSERT_TRUE(Eventually("six buttons on the panel", [&] { return PanelButtonCount(panel_) == 6; }));
  for (int index = 0; index < 6; ++index)
    EXPECT_EQ(PanelButtonText(panel_, index), moved[static_cast<std::size_t>(index)]);
  for (int index = 0; index < 6; ++index) {
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kScreensKey, "ScreenName #" + std::to_string(index)),
              moved[static_cast<std::size_t>(index)]);
  }
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kScreensKey, "Screen #4"), " 4") << "built-in icon 4";
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kScreensKey, "HotKey #4"), "0 0") << "no hot key";
  // The new button is laid out inside the panel and answers a click.
  RECT button = {};
  ASSERT_TRUE(QivProcess::ScreenButtonRect(panel_, 5, button));
  const RECT panel = WindowRect(panel_);
  EXPECT_TRUE(button.left >= panel.left && button.right <= panel.right && button.top >= panel.top &&
              button.bottom <= panel.bottom);
  ASSERT_TRUE(ClickAt(Centre(button)));
  EXPECT_TRUE(Eventually("the new screen current", [&] { return QivProcess::CurrentScreen(panel_) == 5; }));
}

TEST_F(ScreensPage, ScreenThatStaysKeepsItsWindowsARenamedOneGivesThemBack) {
  ASSERT_TRUE(helper_.Start());
  StartQiv();
  // Away from the panel, which clicks reach.
  const HWND mainWindow = helper_.Open("title=On Main|x=300|y=300|w=200|h=150");
  ASSERT_NE(mainWindow, nullptr);
  RECT button = {};
  ASSERT_TRUE(QivProcess::ScreenButtonRect(panel_, 1, button));
  ASSERT_TRUE(ClickAt(Centre(button)));
  ASSERT_TRUE(Eventually("the Main window hidden", [&] { return !::IsWindowVisible(mainWindow); }));
  const HWND webWindow = helper_.Open("title=On The Web|x=350|y=350|w=200|h=150");
  ASSERT_NE(webWindow, nullptr);
  ASSERT_TRUE(QivProcess::ScreenButtonRect(panel_, 2, button));
  ASSERT_TRUE(ClickAt(Centre(button)));
  ASSERT_TRUE(Eventually("the Web window hidden", [&] { return !::IsWindowVisible(webWindow); }));

  ASSERT_TRUE(OpenScreensPage());
  ASSERT_TRUE(SelectScreen(1));
  ASSERT_TRUE(RenameSelected("Web 2"));
  ASSERT_TRUE(Eventually("the new name in the list", [&] { return ScreenNames()[1] == "Web 2"; }));
  ASSERT_TRUE(PressOnCurrentPage(IDOK));

  EXPECT_TRUE(Eventually("the renamed screen's window back on the desktop",
                         [&] { return ::IsWindowVisible(webWindow) != FALSE; }));
  EXPECT_FALSE(::IsWindowVisible(mainWindow)) << "Main stayed and keeps its window";
  EXPECT_EQ(QivProcess::CurrentScreen(panel_), 2) << "the current screen stayed";
  ASSERT_TRUE(QivProcess::ScreenButtonRect(panel_, 0, button));
  ASSERT_TRUE(ClickAt(Centre(button)));
  EXPECT_TRUE(
      Eventually("the Main window back with its screen", [&] { return ::IsWindowVisible(mainWindow) != FALSE; }));
}

TEST_F(ScreensPage, EmptiedListIsRefusedOnOk) {
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  for (std::size_t left = 4;; --left) {
    PressDialogButton(CurrentPage(), IDC_REMOVE_SCREEN);
    ASSERT_TRUE(Eventually("a screen removed", [&] { return ScreenNames().size() == left; }));
    if (left == 0) break;
  }
  for (int id : {IDC_REMOVE_SCREEN, IDC_RENAME_SCREEN, IDC_CHANGE_ICON, IDC_MOVE_SCREEN_LEFT, IDC_MOVE_SCREEN_RIGHT}) {
    EXPECT_FALSE(::IsWindowEnabled(Control(id))) << "control " << id;
  }
  EXPECT_TRUE(::IsWindowEnabled(Control(IDC_ADD_SCREEN)));
  PressDialogButton(CurrentPage(), IDOK);
  ASSERT_TRUE(MessageShownAndClosed("There must be at least one screen in the screen list."));
  EXPECT_TRUE(::IsWindow(settings_.Dialog())) << "the settings stay open";
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
  EXPECT_EQ(PanelButtonCount(panel_), 5);
}

TEST_F(ScreensPage, RemovingTheLastScreenSelectsTheNewLast) {
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  ASSERT_TRUE(SelectScreen(4));
  PressDialogButton(CurrentPage(), IDC_REMOVE_SCREEN);
  ASSERT_TRUE(Eventually("the screen removed", [&] { return ScreenNames().size() == 4; }));
  EXPECT_EQ(SendTo(ScreenList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 3);
  EXPECT_FALSE(::IsWindowEnabled(Control(IDC_MOVE_SCREEN_RIGHT))) << "the last one cannot move right";
  EXPECT_TRUE(::IsWindowEnabled(Control(IDC_MOVE_SCREEN_LEFT)));
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

TEST_F(ScreensPage, IconWithNumberTurnsDoubleWidthOnAndSingleWidthDropsTheNumber) {
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "DoubleWidth", 0));
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ScrBtnIcon", 0));
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ScrBtnNumber", 1));
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  ASSERT_FALSE(IsChecked(Control(IDC_DOUBLE_WIDTH)));
  ::PostMessageA(Control(IDC_BUTTON_ICON), BM_CLICK, 0, 0);
  EXPECT_TRUE(Eventually("double width on", [&] { return IsChecked(Control(IDC_DOUBLE_WIDTH)); }));
  EXPECT_TRUE(IsChecked(Control(IDC_BUTTON_ICON)));
  ::PostMessageA(Control(IDC_DOUBLE_WIDTH), BM_CLICK, 0, 0);
  EXPECT_TRUE(Eventually("the number off", [&] { return !IsChecked(Control(IDC_BUTTON_NUMBER)); }));
  EXPECT_FALSE(IsChecked(Control(IDC_DOUBLE_WIDTH)));
  EXPECT_TRUE(IsChecked(Control(IDC_BUTTON_ICON)));
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "DoubleWidth"), 0u);
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "ScrBtnIcon"), 1u);
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "ScrBtnNumber"), 0u);
}

TEST_F(ScreensPage, FileWithOneIconIsChosenAtOnce) {
  const std::string iconFile = TempPath("qiv-one-icon.ico");
  ASSERT_TRUE(WriteOneIconFile(iconFile));
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  ASSERT_TRUE(SelectScreen(0));
  ASSERT_TRUE(OpenIconBrowser());
  EXPECT_GT(RemoteListView(::GetDlgItem(browser_, IDC_ICON_LIST)).Count(), 1) << "the program's own icons first";
  ASSERT_TRUE(ChooseFileInBrowser(iconFile));
  EXPECT_TRUE(Eventually("the browser to close by itself", [&] { return !::IsWindow(browser_); }));
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kScreensKey, "Screen #0"), iconFile + " 0");
  ::DeleteFileA(iconFile.c_str());
}

TEST_F(ScreensPage, FileWithoutIconsIsRefusedAndTheListedOneStays) {
  const std::string textFile = TempPath("qiv-no-icons.txt");
  std::ofstream(textFile) << "no icons here";
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  ASSERT_TRUE(OpenIconBrowser());
  const HWND fileName = ::GetDlgItem(browser_, IDC_ICON_FILE_NAME);
  const std::string ownFile = WindowText(fileName);
  const int ownIcons = RemoteListView(::GetDlgItem(browser_, IDC_ICON_LIST)).Count();
  ASSERT_TRUE(ChooseFileInBrowser(textFile));
  ASSERT_TRUE(MessageShownAndClosed("This file contains no icons."));
  EXPECT_TRUE(::IsWindow(browser_));
  EXPECT_EQ(WindowText(fileName), ownFile);
  EXPECT_EQ(RemoteListView(::GetDlgItem(browser_, IDC_ICON_LIST)).Count(), ownIcons);
  PressDialogButton(browser_, IDCANCEL);
  EXPECT_TRUE(Eventually("the browser to close", [&] { return !::IsWindow(browser_); }));
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
  ::DeleteFileA(textFile.c_str());
}

class KeyboardPage : public ScreensPage {
 protected:
  HWND KeyList() const { return Control(IDC_HOT_KEY_LIST); }

  // Selects the row and opens the hot key dialog on it with Change.
  ::testing::AssertionResult OpenHotKeyDialog(int row) {
    RemoteListView(KeyList()).SelectOnly({row});
    if (::testing::AssertionResult enabled =
            Eventually("Change enabled", [&] { return ::IsWindowEnabled(Control(IDC_CHANGE_HOT_KEY)) != FALSE; });
        !enabled) {
      return enabled;
    }
    PressDialogButton(CurrentPage(), IDC_CHANGE_HOT_KEY);
    return Eventually("the hot key dialog", [&] {
      hotKeyDialog_ = FindVisibleTopLevel(qiv_.Id(), kDialogClass, kHotKeyCaption);
      return hotKeyDialog_ != nullptr;
    });
  }

  HWND HotKeyControl(int id) const { return ::GetDlgItem(hotKeyDialog_, id); }

  // A key chosen in the list, as the combo box reports a confirmed choice.
  ::testing::AssertionResult ChooseKey(int index) {
    const HWND keys = HotKeyControl(IDC_HOT_KEY_KEY);
    SendTo(keys, CB_SETCURSEL, static_cast<WPARAM>(index));
    SendTo(hotKeyDialog_, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_KEY, CBN_SELENDOK), reinterpret_cast<LPARAM>(keys));
    return Eventually("the key chosen", [&] { return SendTo(keys, CB_GETCURSEL) == index; });
  }

  void SetModifiers(bool ctrl, bool alt, bool shift) const {
    SendTo(HotKeyControl(IDC_HOT_KEY_CTRL), BM_SETCHECK, ctrl ? BST_CHECKED : BST_UNCHECKED);
    SendTo(HotKeyControl(IDC_HOT_KEY_ALT), BM_SETCHECK, alt ? BST_CHECKED : BST_UNCHECKED);
    SendTo(HotKeyControl(IDC_HOT_KEY_SHIFT), BM_SETCHECK, shift ? BST_CHECKED : BST_UNCHECKED);
  }

  ::testing::AssertionResult HotKeyDialogClosed() {
    return Eventually("the hot key dialog to close", [&] { return !::IsWindow(hotKeyDialog_); });
  }

  HWND hotKeyDialog_ = nullptr;
};

TEST_F(KeyboardPage, ScreenAddedOnTheScreensPageIsListedWithoutKey) {
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  PressDialogButton(CurrentPage(), IDC_ADD_SCREEN);
  ASSERT_TRUE(Eventually("the new screen in the list", [&] { return ScreenNames().size() == 6; }));
  ASSERT_TRUE(ShowPage(kKeyboardPage));
  const RemoteListView rows(KeyList());
  ASSERT_EQ(rows.Count(), 10);
  EXPECT_EQ(rows.Text(0), "         Switch to screen");
  EXPECT_EQ(rows.Text(1), "Main");
  EXPECT_EQ(rows.Text(1, 1), "1 + Ctrl / Alt");
  EXPECT_EQ(rows.Text(kAddedScreenRow), "Screen N 6");
  EXPECT_EQ(rows.Text(kAddedScreenRow, 1), "None");
  EXPECT_EQ(rows.Text(7), "         Other commands");
  EXPECT_EQ(rows.Text(8), "Previous screen");
  EXPECT_EQ(rows.Text(8, 1), "Left + Ctrl / Alt");
  EXPECT_EQ(rows.Text(kNextScreenRow, 1), "Right + Ctrl / Alt");
  rows.SelectOnly({0});
  EXPECT_TRUE(Eventually("Change disabled on a heading",
                         [&] { return ::IsWindowEnabled(Control(IDC_CHANGE_HOT_KEY)) == FALSE; }));
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

TEST_F(KeyboardPage, KeypadKeyClearsAndDisablesShiftALetterEnablesIt) {
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ShowPage(kKeyboardPage));
  ASSERT_TRUE(OpenHotKeyDialog(1));
  EXPECT_EQ(SendTo(HotKeyControl(IDC_HOT_KEY_KEY), CB_GETCURSEL), kKey1);
  EXPECT_EQ(SendTo(HotKeyControl(IDC_HOT_KEY_KEY), CB_GETCOUNT), 63);
  SetModifiers(true, true, true);
  ASSERT_TRUE(ChooseKey(kKeyNumpad5));
  EXPECT_TRUE(
      Eventually("Shift disabled", [&] { return ::IsWindowEnabled(HotKeyControl(IDC_HOT_KEY_SHIFT)) == FALSE; }));
  EXPECT_FALSE(IsChecked(HotKeyControl(IDC_HOT_KEY_SHIFT)));
  ASSERT_TRUE(ChooseKey(kKeyA));
  EXPECT_TRUE(
      Eventually("Shift enabled", [&] { return ::IsWindowEnabled(HotKeyControl(IDC_HOT_KEY_SHIFT)) != FALSE; }));
  EXPECT_FALSE(IsChecked(HotKeyControl(IDC_HOT_KEY_SHIFT))) << "still off";
  PressDialogButton(hotKeyDialog_, IDCANCEL);
  ASSERT_TRUE(HotKeyDialogClosed());
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

TEST_F(KeyboardPage, AScreensCombinationForNextScreenIsRefusedNoneIsNot) {
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ShowPage(kKeyboardPage));
  ASSERT_TRUE(OpenHotKeyDialog(kNextScreenRowOfFive));
  ASSERT_TRUE(ChooseKey(kKey1));
  SetModifiers(true, true, false);
  PressDialogButton(hotKeyDialog_, IDOK);
  ASSERT_TRUE(MessageShownAndClosed("This key combination is already used."));
  EXPECT_TRUE(::IsWindow(hotKeyDialog_)) << "the dialog stays";
  // The row's own combination is no conflict.
  ASSERT_TRUE(ChooseKey(kKeyNone));
  PressDialogButton(hotKeyDialog_, IDOK);
  ASSERT_TRUE(HotKeyDialogClosed());
  EXPECT_EQ(RemoteListView(KeyList()).Text(kNextScreenRowOfFive, 1), "None + Ctrl / Alt");
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kQivKey, "HK_NextScreen"), "0 3");
}

TEST_F(KeyboardPage, StoredKeyOutsideTheListMustBeChosenAgain) {
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kQivKey, "HK_NextScreen", "200 3"));
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ShowPage(kKeyboardPage));
  ASSERT_TRUE(OpenHotKeyDialog(kNextScreenRowOfFive));
  EXPECT_EQ(SendTo(HotKeyControl(IDC_HOT_KEY_KEY), CB_GETCURSEL), CB_ERR) << "no key chosen";
  PressDialogButton(hotKeyDialog_, IDOK);
  ASSERT_TRUE(MessageShownAndClosed("The key is not selected."));
  EXPECT_TRUE(::IsWindow(hotKeyDialog_)) << "the dialog stays";
  PressDialogButton(hotKeyDialog_, IDCANCEL);
  ASSERT_TRUE(HotKeyDialogClosed());
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

TEST_F(KeyboardPage, KeyOfANewScreenSwitchesToItAfterOk) {
  ASSERT_TRUE(helper_.Start());
  StartQiv();
  ASSERT_TRUE(OpenScreensPage());
  PressDialogButton(CurrentPage(), IDC_ADD_SCREEN);
  ASSERT_TRUE(Eventually("the new screen in the list", [&] { return ScreenNames().size() == 6; }));
  ASSERT_TRUE(ShowPage(kKeyboardPage));
  ASSERT_TRUE(OpenHotKeyDialog(kAddedScreenRow));
  ASSERT_TRUE(ChooseKey(kKeyQ));
  SetModifiers(true, true, false);
  PressDialogButton(hotKeyDialog_, IDOK);
  ASSERT_TRUE(HotKeyDialogClosed());
  EXPECT_EQ(RemoteListView(KeyList()).Text(kAddedScreenRow, 1), "Q + Ctrl / Alt");
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kScreensKey, "HotKey #5"), "81 3");

  const HWND typingTarget = helper_.Open("title=Typing target|tool|x=1000|y=800|w=200|h=100");
  ASSERT_NE(typingTarget, nullptr);
  ASSERT_TRUE(helper_.BringToForeground(typingTarget));
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, 'Q'}));
  EXPECT_TRUE(Eventually("the new screen current", [&] { return QivProcess::CurrentScreen(panel_) == 5; }));
}

}  // namespace
}  // namespace qiv::e2e
