// QivPictures.exe: opens the program's windows one after another, the way a user would, and asks
// scripts/screenshots for a picture of each. A picture is asked for by a file "NAME.request" in the folder
// named by QIV_PICTURE_FOLDER, holding the rectangle "left top width height" in screen pixels; the script
// answers with "NAME.png". Each step asserts that its window is there, so a picture never shows the wrong thing.
#include "tests/e2e/harness/SettingsWindow.h"
#include "tests/e2e/harness/ShellQueries.h"
#include "tests/e2e/harness/SwitchingFixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <string>

namespace qiv::e2e {
namespace {

constexpr const char* kMenuClass = "#32768";
constexpr int kMargin = 6;
constexpr unsigned kPictureWaitMs = 20000;
// The start-up picture shows for three seconds.
constexpr unsigned kStartupPictureMs = 6000;
// Where the mouse waits while nothing is pointed at, so that it lights up no button and opens no tooltip.
constexpr POINT kRestingPlace = {1270, 1010};

// The smallest rectangle around the windows, with a margin, inside the screen.
RECT Around(std::initializer_list<HWND> windows) {
  RECT all = WindowRect(*windows.begin());
  for (HWND window : windows) {
    const RECT rect = WindowRect(window);
    ::UnionRect(&all, &all, &rect);
  }
  ::InflateRect(&all, kMargin, kMargin);
  const RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::IntersectRect(&all, &all, &screen);
  return all;
}

class Pictures : public SwitchingFixture {
 protected:
  void SetUp() override {
    const char* folder = std::getenv("QIV_PICTURE_FOLDER");
    ASSERT_NE(folder, nullptr) << "QIV_PICTURE_FOLDER names no folder: run scripts/screenshots";
    folder_ = folder;
    // The windows of the picture before leave no traces on the desktop of this one.
    ::RedrawWindow(::GetDesktopWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ASSERT_NO_FATAL_FAILURE(SwitchingFixture::SetUp());
    ASSERT_TRUE(Eventually(
        "the start-up picture to close", [&] { return StartupPicture() == nullptr; }, kStartupPictureMs));
  }

  // The start-up picture: the one large dialog of Qiv.exe on the screen besides the panel while nothing else is
  // open (the holder of parked windows is large too, but far off the screen).
  HWND StartupPicture() const {
    for (HWND window : TopLevelWindowsOf(qiv_.Id())) {
      const RECT rect = WindowRect(window);
      if (window != panel_ && ::IsWindowVisible(window) && ClassName(window) == kDialogClass &&
          rect.right - rect.left > 100 && rect.bottom - rect.top > 100 && rect.left < ::GetSystemMetrics(SM_CXSCREEN)) {
        return window;
      }
    }
    return nullptr;
  }

  // Asks for the picture of rect and waits until it has been taken.
  ::testing::AssertionResult TakePicture(const std::string& name, const RECT& rect) {
    if (!MoveMouseTo(kRestingPlace)) return ::testing::AssertionFailure() << "the mouse did not move aside";
    return TakePictureAsItIs(name, rect);
  }

  // The same, with the mouse where it is (to keep a tooltip open).
  ::testing::AssertionResult TakePictureAsItIs(const std::string& name, const RECT& rect) {
    // Written under another name first, so that the script never reads half a request.
    const std::string draft = folder_ + name + ".draft";
    std::ofstream(draft) << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
                         << rect.bottom - rect.top << '\n';
    if (!::MoveFileA(draft.c_str(), (folder_ + name + ".request").c_str())) {
      return ::testing::AssertionFailure() << "the request for " << name << " could not be written";
    }
    return Eventually(
        "the picture " + name + ".png", [&] { return FileExists(folder_ + name + ".png"); }, kPictureWaitMs);
  }

  // Helper windows stay in the lower left, away from the panel, the lists and the dialogs in the pictures.
  HWND OpenWindow(const std::string& title, int slot) {
    return helper_.Open("title=" + title + "|x=" + std::to_string(30 + 20 * slot) +
                        "|y=" + std::to_string(600 + 20 * slot) + "|w=300|h=150");
  }

  ::testing::AssertionResult SwitchTo(int screen) {
    if (::testing::AssertionResult clicked = ClickScreenButton(screen); !clicked) return clicked;
    return ScreenBecomes(screen);
  }

  HWND VisibleWindowOfQiv(const char* className, const char* title = nullptr) const {
    return FindVisibleTopLevel(qiv_.Id(), className, title);
  }

  // The top-level window of Qiv.exe that holds the list of windows.
  HWND AppListWindow() const {
    for (HWND window : TopLevelWindowsOf(qiv_.Id())) {
      if (::IsWindowVisible(window) && ::GetDlgItem(window, IDC_APP_LIST) != nullptr) return window;
    }
    return nullptr;
  }

  HWND AwaitVisibleWindowOfQiv(const char* what, const char* className, const char* title = nullptr) {
    HWND window = nullptr;
    Eventually(what, [&] { return (window = VisibleWindowOfQiv(className, title)) != nullptr; });
    return window;
  }

  // Focus on a button, so that no caret blinks in the picture.
  static void FocusButton(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, id)), TRUE);
  }

  std::string folder_;
};

// Three screens hold windows, the other two are empty: the buttons show both colours.
TEST_F(Pictures, PanelMainMenuAndApplicationList) {
  ASSERT_NE(OpenWindow("Inbox - Mail", 0), nullptr);
  ASSERT_NE(OpenWindow("Report.txt - Editor", 1), nullptr);
  ASSERT_NE(OpenWindow("Calculator", 2), nullptr);
  ASSERT_TRUE(SwitchTo(1));
  ASSERT_NE(OpenWindow("News of the day - Browser", 0), nullptr);
  ASSERT_NE(OpenWindow("Timetable - Browser", 1), nullptr);
  ASSERT_TRUE(SwitchTo(2));
  ASSERT_NE(OpenWindow("Playlist - Player", 0), nullptr);
  ASSERT_TRUE(SwitchTo(0));

  RECT button = {};
  ASSERT_TRUE(QivProcess::ScreenButtonRect(panel_, 1, button));
  ASSERT_TRUE(MoveMouseTo(Centre(button)));
  HWND tip = nullptr;
  ASSERT_TRUE(Eventually("the tooltip of the second screen button", [&] {
    tip = VisibleWindowOfQiv(TOOLTIPS_CLASSA);
    return tip != nullptr && WindowText(tip).find("The Web") != std::string::npos;
  }));
  ASSERT_TRUE(TakePictureAsItIs("panel", Around({panel_, tip})));

  // Clicked as a user would: the panel then has the keyboard, and Escape reaches the menu.
  ASSERT_TRUE(ClickAt(Centre(WindowRect(::GetDlgItem(panel_, IDC_MAIN_MENU)))));
  HWND menu = AwaitVisibleWindowOfQiv("the main menu", kMenuClass);
  ASSERT_NE(menu, nullptr);
  ASSERT_TRUE(TakePictureAsItIs("main-menu", Around({panel_, menu})));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(Eventually("the main menu to close", [&] { return VisibleWindowOfQiv(kMenuClass) == nullptr; }));

  ASSERT_TRUE(QivProcess::ScreenButtonRect(panel_, 0, button));
  ASSERT_TRUE(RightClickAt(Centre(button)));
  HWND list = nullptr;
  ASSERT_TRUE(Eventually("the application list with the three windows of the first screen", [&] {
    list = AppListWindow();
    return list != nullptr && SendTo(::GetDlgItem(list, IDC_APP_LIST), LVM_GETITEMCOUNT) == 3;
  }));
  ASSERT_TRUE(TakePicture("app-list", Around({panel_, list})));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(Eventually("the application list to close", [&] { return AppListWindow() == nullptr; }));
}

TEST_F(Pictures, SettingsPagesRuleEditorAndColourPicker) {
  SettingsWindow settings(qiv_);
  ::PostMessageA(panel_, WM_COMMAND, MAKEWPARAM(IDM_SETTINGS, 0), 0);
  ASSERT_TRUE(settings.WaitUntilShown());
  HWND dialog = settings.Dialog();

  const char* const pages[] = {"settings-general", "settings-screens", "settings-keyboard", "settings-sticky",
                               "settings-advanced"};
  for (int index = 0; index < 5; ++index) {
    ASSERT_TRUE(settings.ShowPage(index));
    HWND page = settings.CurrentPage();
    FocusButton(page, IDOK);
    ASSERT_TRUE(Eventually("the focus on the page's OK", [&] {
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      return ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info) &&
             info.hwndFocus == ::GetDlgItem(page, IDOK);
    }));
    ASSERT_TRUE(TakePicture(pages[index], Around({dialog})));
  }

  ASSERT_TRUE(settings.ShowPage(kStickyPage));
  ::PostMessageA(settings.CurrentPage(), WM_COMMAND, MAKEWPARAM(IDC_ADD_RULE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(settings.Control(IDC_ADD_RULE)));
  HWND editor = nullptr;
  ASSERT_TRUE(Eventually("the sticky-rule editor", [&] { return (editor = settings.StickyEditor()) != nullptr; }));
  FocusButton(editor, IDOK);
  ASSERT_TRUE(TakePicture("sticky-rule", Around({editor})));
  PressDialogButton(editor, IDCANCEL);
  ASSERT_TRUE(Eventually("the sticky-rule editor to close", [&] { return !::IsWindow(editor); }));

  ASSERT_TRUE(settings.ShowPage(4));
  HWND advanced = settings.CurrentPage();
  ASSERT_TRUE(ClickAt(Centre(WindowRect(::GetDlgItem(advanced, IDC_COLOR_NONEMPTY)))));
  HWND colours = AwaitVisibleWindowOfQiv("the colour list", "ColorListControl");
  ASSERT_NE(colours, nullptr);
  // Under Wine's virtual desktop the list, although above the settings window in the z-order, is painted below
  // it where the two overlap. The settings window steps aside, so that the picture shows the whole list.
  const RECT list = WindowRect(colours);
  const RECT place = WindowRect(dialog);
  ::SetWindowPos(dialog, nullptr, place.left, list.top - (place.bottom - place.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(Eventually("the settings window above the list",
                         [&] { return WindowRect(dialog).bottom <= WindowRect(colours).top; }));
  ASSERT_TRUE(TakePicture("colour-picker", Around({colours})));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(
      Eventually("the colour list to close", [&] { return VisibleWindowOfQiv("ColorListControl") == nullptr; }));
  PressDialogButton(advanced, IDCANCEL);
  ASSERT_TRUE(Eventually("the settings window to close", [&] { return !::IsWindow(dialog); }));
}

TEST_F(Pictures, LockDialog) {
  ::PostMessageA(panel_, WM_COMMAND, MAKEWPARAM(IDM_LOCK, 0), 0);
  HWND dialog = AwaitVisibleWindowOfQiv("the Lock dialog", kDialogClass, "Lock");
  ASSERT_NE(dialog, nullptr);
  SendTo(::GetDlgItem(dialog, IDC_PASSWORD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("secret"));
  FocusButton(dialog, IDOK);
  ASSERT_TRUE(TakePicture("lock", Around({dialog})));
  PressDialogButton(dialog, IDCANCEL);
  ASSERT_TRUE(Eventually("the Lock dialog to close", [&] { return !::IsWindow(dialog); }));
}

}  // namespace
}  // namespace qiv::e2e
