// The settings window under Wine: its tabs, the range checks on OK, what OK and Cancel leave in the registry
// and on the panel, the startup shortcut, and the colour picker with keys and mouse.
#include "resources/resource.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/SettingsFixture.h"
#include "tests/e2e/harness/ShellQueries.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

namespace qiv::e2e {
namespace {

constexpr const char* kColorListClass = "ColorListControl";
constexpr int kGeneralPage = 0;
constexpr int kAdvancedPage = 4;
constexpr int kPageCount = 5;
constexpr int kStartupFolder = 7;
// "Dark Olive Green", the first cell of the colour list.
constexpr DWORD kFirstCellColour = 0x00404000;

// Every value of a key as type and bytes, to compare a key before and after.
std::map<std::string, std::pair<DWORD, std::string>> KeySnapshot(const char* path) {
  std::map<std::string, std::pair<DWORD, std::string>> values;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameLength = sizeof name;
    BYTE data[1024];
    DWORD dataLength = sizeof data;
    DWORD type = 0;
    if (::RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS) break;
    values[name] = {type, std::string(reinterpret_cast<char*>(data), dataLength)};
  }
  ::RegCloseKey(key);
  return values;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string StartupShortcut() { return SpecialFolder(kStartupFolder) + "\\Qiv.lnk"; }

class Settings : public SettingsFixture {
 protected:
  int CurrentTab() const { return settings_.CurrentTab(); }
  void SetText(int id, const char* text) const { settings_.SetText(id, text); }
  void SetCheck(int id, bool checked) const { settings_.SetCheck(id, checked); }

  ::testing::AssertionResult SettingsClosed() { return settings_.WaitUntilClosed(); }

  HWND ColorList() const { return FindVisibleTopLevel(qiv_.Id(), kColorListClass); }

  ::testing::AssertionResult OpenPicker(int id) {
    if (!ClickAt(Centre(WindowRect(Control(id))))) return ::testing::AssertionFailure() << "the click failed";
    return Eventually("the colour list", [&] { return ColorList() != nullptr; });
  }
};

TEST_F(Settings, OpensAtGeneralWithFiveTabsOnOneRow) {
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  EXPECT_EQ(SendTo(settings_.Tabs(), TCM_GETITEMCOUNT), kPageCount);
  EXPECT_EQ(SendTo(settings_.Tabs(), TCM_GETROWCOUNT), 1);
  EXPECT_EQ(CurrentTab(), kGeneralPage);
  EXPECT_EQ(WindowText(CurrentPage()), "General");
  EXPECT_NE(Control(IDC_ALWAYS_ON_TOP), nullptr);
  const std::vector<std::string> captions = {"General", "Screens", "Keyboard", "Sticky Windows", "Advanced"};
  for (int index = 0; index < kPageCount; ++index) {
    ASSERT_TRUE(ShowPage(index));
    EXPECT_EQ(WindowText(CurrentPage()), captions[static_cast<std::size_t>(index)]);
  }
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

TEST_F(Settings, RefreshRateOutOfRangeIsRefusedWithNothingSaved) {
  StartQiv();
  const auto before = KeySnapshot(kQivKey);
  ASSERT_TRUE(OpenSettings());
  SetText(IDC_TITLE_REFRESH_RATE, "50");
  PressDialogButton(CurrentPage(), IDOK);
  HWND box = qiv_.WaitForMessageBox("Please enter an integer between 100 and 10000.");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(::IsWindow(settings_.Dialog())) << "the settings window stays open";
  EXPECT_EQ(KeySnapshot(kQivKey), before);
  PressDialogButton(box, IDOK);
  ASSERT_TRUE(Eventually("the message to close", [&] { return !::IsWindow(box); }));
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

TEST_F(Settings, OkOnAnotherPageBringsTheRefusingPageToTheFront) {
  StartQiv();
  const auto before = KeySnapshot(kQivKey);
  ASSERT_TRUE(OpenSettings());
  SetText(IDC_SNAP_DISTANCE, "500");
  ASSERT_TRUE(ShowPage(kAdvancedPage));
  PressDialogButton(CurrentPage(), IDOK);
  HWND box = qiv_.WaitForMessageBox("Please enter an integer between 1 and 100.");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(CurrentTab(), kGeneralPage);
  PressDialogButton(box, IDOK);
  ASSERT_TRUE(Eventually("the message to close", [&] { return !::IsWindow(box); }));
  EXPECT_EQ(KeySnapshot(kQivKey), before);
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

TEST_F(Settings, AlwaysOnTopOffTakesEffectAndIsSaved) {
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  SetCheck(IDC_ALWAYS_ON_TOP, false);
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "AlwaysOnTop"), 0u);
  EXPECT_TRUE(Eventually("the panel no longer top-most",
                         [&] { return (::GetWindowLongA(panel_, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }));
}

// How opaque a window is, or -1 while it is not layered.
int AlphaOf(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  COLORREF key = 0;
  if ((::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0 ||
      !::GetLayeredWindowAttributes(window, &key, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
    return -1;
  }
  return alpha;
}

TEST_F(Settings, TransparencyOfTheSlidersReachesThePanelAndTheApplicationListOnOk) {
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  ASSERT_NE(::IsWindowVisible(Control(IDC_PANEL_ALPHA)), FALSE) << "Wine offers layered windows";
  SendTo(Control(IDC_PANEL_ALPHA), TBM_SETPOS, TRUE, 200);
  SendTo(Control(IDC_APP_LIST_ALPHA), TBM_SETPOS, TRUE, 150);
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "TransMain"), 200u);
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "TransAppList"), 150u);
  EXPECT_TRUE(Eventually("the panel 200 of 255 opaque", [&] { return AlphaOf(panel_) == 200; })) << AlphaOf(panel_);
  HWND list = nullptr;
  for (HWND window : TopLevelWindowsOf(qiv_.Id())) {
    if (::GetDlgItem(window, IDC_APP_LIST) != nullptr) list = window;
  }
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(AlphaOf(list), 150) << "the application list, hidden until a right click, takes its value too";
}

TEST_F(Settings, StartupShortcutFollowsTheCheckBoxOnOkOnly) {
  ::DeleteFileA(StartupShortcut().c_str());
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  EXPECT_EQ(SendTo(Control(IDC_AUTO_START), BM_GETCHECK), BST_UNCHECKED);
  SetCheck(IDC_AUTO_START, true);
  ASSERT_TRUE(PressOnCurrentPage(IDCANCEL));
  EXPECT_FALSE(FileExists(StartupShortcut())) << "Cancel makes no shortcut";

  ASSERT_TRUE(OpenSettings());
  SetCheck(IDC_AUTO_START, true);
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_TRUE(FileExists(StartupShortcut()));

  ASSERT_TRUE(OpenSettings());
  EXPECT_EQ(SendTo(Control(IDC_AUTO_START), BM_GETCHECK), BST_CHECKED);
  SetCheck(IDC_AUTO_START, false);
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_FALSE(FileExists(StartupShortcut()));
}

TEST_F(Settings, CancelAfterEveryPageLeavesTheKeyAsItWas) {
  StartQiv();
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kQivKey, "SelfActivateSound", "C:\\ding.wav"));
  const auto before = KeySnapshot(kQivKey);
  ASSERT_TRUE(OpenSettings());
  SetCheck(IDC_ALWAYS_ON_TOP, false);
  for (int index = 0; index < kPageCount; ++index) ASSERT_TRUE(ShowPage(index));
  PressDialogButton(CurrentPage(), IDC_DELETE_SOUND);
  ASSERT_TRUE(Eventually("the sound file deleted", [&] { return WindowText(Control(IDC_SOUND_FILE)).empty(); }));
  ASSERT_TRUE(PressOnCurrentPage(IDCANCEL));
  EXPECT_EQ(KeySnapshot(kQivKey), before);
}

TEST_F(Settings, PickerColourChosenWithKeysReachesTheRegistryAndThePanelOnOk) {
  ASSERT_TRUE(helper_.Start());
  ASSERT_NE(helper_.Open("title=On the first screen|x=40|y=600"), nullptr);
  StartQiv();
  // The current screen takes the window at its next refresh, and its button turns to the non-empty colour.
  const COLORREF before = QivProcess::ScreenButtonFace(panel_, 0);
  ASSERT_NE(before, kFirstCellColour);
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ShowPage(kAdvancedPage));
  ASSERT_TRUE(OpenPicker(IDC_COLOR_NONEMPTY));
  ASSERT_TRUE(PressChord({VK_RIGHT}));
  ASSERT_TRUE(PressChord({VK_RETURN}));
  ASSERT_TRUE(Eventually("the colour list to close", [&] { return ColorList() == nullptr; }));
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "ColorNonemptyScreen"), kFirstCellColour);
  EXPECT_TRUE(Eventually("the first button in the new colour",
                         [&] { return QivProcess::ScreenButtonFace(panel_, 0) == kFirstCellColour; }))
      << std::hex << QivProcess::ScreenButtonFace(panel_, 0);
}

TEST_F(Settings, EscapeOnThePickerKeepsColourAndFocus) {
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ShowPage(kAdvancedPage));
  const HWND picker = Control(IDC_COLOR_EMPTY);
  ASSERT_TRUE(OpenPicker(IDC_COLOR_EMPTY));
  // Above its dialog in the system's z-order. Both are top-most, and Wine's virtual desktop paints the dialog over
  // the list's upper part all the same: the order is what a test can hold the program to.
  EXPECT_LT(ZOrderIndex(ColorList()), ZOrderIndex(settings_.Dialog())) << "the colour list opens behind the settings";
  ASSERT_TRUE(PressChord({VK_RIGHT}));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(Eventually("the colour list to close", [&] { return ColorList() == nullptr; }));
  EXPECT_TRUE(::IsWindow(settings_.Dialog())) << "Escape closes the list, not the settings";
  EXPECT_TRUE(Eventually("the focus back on the picker", [&] { return FocusOf(picker) == picker; }));
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "ColorEmptyScreen"), 0x00A3A3A3u);
}

TEST_F(Settings, ClickOutsideThePickerClosesItAndReachesTheWindowClicked) {
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ShowPage(kAdvancedPage));
  const HWND check = Control(IDC_INTEGRITY_PROTECTION);
  ASSERT_EQ(SendTo(check, BM_GETCHECK), BST_CHECKED);
  ASSERT_TRUE(OpenPicker(IDC_COLOR_BLINKING));
  ASSERT_TRUE(ClickAt(Centre(WindowRect(check))));
  ASSERT_TRUE(Eventually("the colour list to close", [&] { return ColorList() == nullptr; }));
  EXPECT_TRUE(
      Eventually("the click to reach the check box", [&] { return SendTo(check, BM_GETCHECK) == BST_UNCHECKED; }));
  ASSERT_TRUE(PressOnCurrentPage(IDOK));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kQivKey, "ColorBlinkingScreen"), 0x000000FFu);
}

TEST_F(Settings, PickerWithAColourOutsideTheTableMarksOtherColours) {
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ColorNonemptyScreen", 0x00123456));
  StartQiv();
  ASSERT_TRUE(OpenSettings());
  ASSERT_TRUE(ShowPage(kAdvancedPage));
  ASSERT_TRUE(OpenPicker(IDC_COLOR_NONEMPTY));
  const HWND list = ColorList();
  RECT client = {};
  ::GetClientRect(list, &client);
  // The swatch of the entry colour at the right end of the "Other colors..." cell, below the 80-pixel grid.
  POINT swatch = {client.right - 6, (80 + client.bottom) / 2};
  ::MapWindowPoints(list, nullptr, &swatch, 1);
  EXPECT_TRUE(Eventually("the entry colour's swatch", [&] {
    HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, swatch.x, swatch.y);
    ::ReleaseDC(nullptr, screen);
    return pixel == 0x00123456;
  }));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(Eventually("the colour list to close", [&] { return ColorList() == nullptr; }));
  EXPECT_TRUE(PressOnCurrentPage(IDCANCEL));
}

}  // namespace
}  // namespace qiv::e2e
