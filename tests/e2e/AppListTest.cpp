// The application list under Wine with windows of the helper process: opening it beside a screen button,
// its rows, live titles and arrow keys, when it hides, the Close and Stick commands and dragging windows onto
// buttons.
#include "resources/resource.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/RemoteListView.h"
#include "tests/e2e/harness/SettingsWindow.h"
#include "tests/e2e/harness/SwitchingFixture.h"

#include <string>
#include <vector>

namespace qiv::e2e {
namespace {

using Titles = std::vector<std::string>;

class AppList : public SwitchingFixture {
 protected:
  // Helper windows stay clear of the panel and of the list below it: under Wine's virtual desktop a window
  // made after them would take their clicks.
  HWND OpenWindow(const std::string& title, int slot = 0) {
    return helper_.Open("title=" + title + "|x=" + std::to_string(40 + 6 * slot) +
                        "|y=" + std::to_string(520 + 6 * slot) + "|w=300|h=150");
  }

  // The top-level window of Qiv.exe that holds the list of windows.
  HWND ListWindow() {
    for (HWND window : TopLevelWindowsOf(qiv_.Id())) {
      if (::GetDlgItem(window, IDC_APP_LIST) != nullptr) return window;
    }
    return nullptr;
  }
  HWND ListControl() { return ::GetDlgItem(ListWindow(), IDC_APP_LIST); }

  ::testing::AssertionResult RightClickScreenButton(int index) {
    RECT item = {};
    if (!QivProcess::ScreenButtonRect(panel_, index, item)) {
      return ::testing::AssertionFailure() << "no screen button " << index;
    }
    if (!RightClickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2})) {
      return ::testing::AssertionFailure() << "the right click failed";
    }
    return ::testing::AssertionSuccess();
  }

  // Shown below the screen's button, left-aligned with it: the panel lies at the top of the work area.
  ::testing::AssertionResult ListsScreen(int screen) {
    return Eventually("the list shown below button " + std::to_string(screen), [&] {
      HWND list = ListWindow();
      RECT button = {};
      RECT own = {};
      return list != nullptr && ::IsWindowVisible(list) && QivProcess::ScreenButtonRect(panel_, screen, button) &&
             ::GetWindowRect(list, &own) && own.left == button.left && own.top == button.bottom;
    });
  }

  ::testing::AssertionResult OpenListOf(int screen) {
    if (::testing::AssertionResult clicked = RightClickScreenButton(screen); !clicked) return clicked;
    return ListsScreen(screen);
  }

  ::testing::AssertionResult ListHidden() {
    return Eventually("the list hidden", [&] { return !::IsWindowVisible(ListWindow()); });
  }

  Titles ListedTitles() { return RemoteListView(ListControl()).Texts(); }

  HWND VisibleMenu() { return FindVisibleTopLevel(qiv_.Id(), "#32768"); }

  // Presses on the item's row, moves far enough to start a drag and lets go over button target.
  ::testing::AssertionResult DragRowOnto(int row, int target, bool withCtrl) {
    RECT rowRect = {};
    RECT button = {};
    if (!RemoteListView(ListControl()).RowRect(row, rowRect)) return ::testing::AssertionFailure() << "no row";
    if (!QivProcess::ScreenButtonRect(panel_, target, button)) return ::testing::AssertionFailure() << "no button";
    const POINT start = {rowRect.left + 20, (rowRect.top + rowRect.bottom) / 2};
    const POINT drop = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    bool done = PressLeftButtonAt(start);
    for (int step = 1; step <= 3; ++step) done = MoveMouseTo({start.x, start.y + 8 * step}) && done;
    done = MoveMouseTo(drop) && done;
    // Ctrl only once the cursor is over the button: pressed before the press it would toggle the row's selection,
    // and Wine takes the modifier state anew from the X server, which knows nothing of it, as the pointer moves.
    if (withCtrl) done = SetKeyHeld(VK_CONTROL, true) && done;
    done = ReleaseLeftButtonAt(drop) && done;
    if (withCtrl) done = SetKeyHeld(VK_CONTROL, false) && done;
    return done ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "the drag's input failed";
  }

  // Opens the list of screen and answers its titles.
  Titles TitlesOf(int screen) {
    if (!OpenListOf(screen)) return {"(not shown)"};
    return ListedTitles();
  }
};

TEST_F(AppList, RightClickListsTheCurrentScreensWindowsBottomMostFirst) {
  HWND bottom = OpenWindow("Bottom", 0);
  HWND middle = OpenWindow("Middle", 1);
  HWND top = OpenWindow("Top", 2);
  ASSERT_TRUE(bottom && middle && top);
  ASSERT_TRUE(OpenListOf(0));
  EXPECT_EQ(ListedTitles(), (Titles{"Bottom", "Middle", "Top"}));
  const RemoteListView list(ListControl());
  EXPECT_EQ(list.RowsPerPage(), 3);
  EXPECT_EQ(::GetWindowLongA(ListControl(), GWL_STYLE) & WS_VSCROLL, 0) << "three rows need no scroll bar";
  EXPECT_EQ(list.Data(0), reinterpret_cast<LPARAM>(bottom));
  EXPECT_EQ(QivProcess::CurrentScreen(panel_), 0);
}

TEST_F(AppList, TheLongestTitleIsShownWhole) {
  ASSERT_NE(OpenWindow("Short", 0), nullptr);
  ASSERT_NE(OpenWindow("Quarterly report, draft three", 1), nullptr);
  ASSERT_TRUE(OpenListOf(0));
  const RemoteListView list(ListControl());
  EXPECT_GE(list.ColumnWidth(), list.WidthThatFitsItems()) << "the longest title ends in an ellipsis";
}

TEST_F(AppList, TwentyFiveWindowsShowTenRowsAndAScrollBar) {
  for (int i = 0; i < 25; ++i) ASSERT_NE(OpenWindow("Window " + std::to_string(i), i), nullptr);
  ASSERT_TRUE(OpenListOf(0));
  const RemoteListView list(ListControl());
  EXPECT_EQ(list.Count(), 25);
  EXPECT_EQ(list.RowsPerPage(), 10);
  EXPECT_NE(::GetWindowLongA(ListControl(), GWL_STYLE) & WS_VSCROLL, 0);
}

TEST_F(AppList, UntitledOnlyWindowShowsAnEmptyScreenWhoseArrowKeysStillMove) {
  HWND window = OpenWindow("Soon untitled");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(::SetWindowTextA(window, ""));
  ASSERT_TRUE(OpenListOf(0));
  EXPECT_EQ(ListedTitles(), (Titles{"The screen is empty"}));
  EXPECT_FALSE(::IsWindowEnabled(ListControl()));
  ASSERT_TRUE(PressChord({VK_RIGHT}));
  EXPECT_TRUE(ListsScreen(1));
  EXPECT_EQ(QivProcess::CurrentScreen(panel_), 0) << "walking the lists does not switch screens";
}

TEST_F(AppList, ArrowKeysWrapAroundTheScreens) {
  ASSERT_NE(OpenWindow("On the first screen"), nullptr);
  ASSERT_TRUE(OpenListOf(4));
  ASSERT_TRUE(PressChord({VK_RIGHT}));
  ASSERT_TRUE(ListsScreen(0)) << "right of the last screen is the first";
  EXPECT_EQ(ListedTitles(), (Titles{"On the first screen"}));
  ASSERT_TRUE(PressChord({VK_LEFT}));
  EXPECT_TRUE(ListsScreen(4)) << "left of the first screen is the last";
  EXPECT_EQ(QivProcess::CurrentScreen(panel_), 0);
}

TEST_F(AppList, ClickOnThePanelKeepsTheListAndOnAnotherWindowHidesIt) {
  HWND window = OpenWindow("Elsewhere");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(OpenListOf(0));
  // The panel takes the activation from the list, and gives it back with the other screen's list.
  ASSERT_TRUE(RightClickScreenButton(1));
  ASSERT_TRUE(ListsScreen(1));
  EXPECT_TRUE(Throughout(
      "the list to stay", [&] { return ::IsWindowVisible(ListWindow()) != FALSE; }, 500));
  RECT rect = {};
  ASSERT_TRUE(::GetWindowRect(window, &rect));
  ASSERT_TRUE(ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}));
  EXPECT_TRUE(ListHidden());
}

TEST_F(AppList, EscapeTakesTheKeyboardAlongAndAQuickSecondRightClickOpensTheListAgain) {
  ASSERT_NE(OpenWindow("Listed"), nullptr);
  ASSERT_TRUE(OpenListOf(0));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(ListHidden());
  // Within the double-click time of the first: the button list sees a double click.
  EXPECT_TRUE(OpenListOf(0));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(ListHidden());
  ASSERT_TRUE(PressChord({VK_RIGHT}));
  EXPECT_TRUE(Throughout(
      "the list to stay hidden", [&] { return ::IsWindowVisible(ListWindow()) == FALSE; }, 500))
      << "the hidden list kept the keyboard";
}

TEST_F(AppList, NewTitleShowsWhileTheListIsOpenButACaseChangeDoesNot) {
  HWND window = OpenWindow("Old title");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(OpenListOf(0));
  ASSERT_TRUE(::SetWindowTextA(window, "New title"));
  EXPECT_TRUE(Eventually("the new title in the list", [&] { return ListedTitles() == Titles{"New title"}; }));
  ASSERT_TRUE(::SetWindowTextA(window, "NEW TITLE"));
  EXPECT_TRUE(Throughout(
      "the item to keep its text", [&] { return ListedTitles() == Titles{"New title"}; }, 500));
}

TEST_F(AppList, EnterOpensTheMenuAtTheFirstSelectedRowAndWithoutSelectionDoesNothing) {
  ASSERT_NE(OpenWindow("First", 0), nullptr);
  ASSERT_NE(OpenWindow("Second", 1), nullptr);
  ASSERT_TRUE(OpenListOf(0));
  const RemoteListView list(ListControl());
  list.SelectOnly({});
  ASSERT_TRUE(PressChord({VK_RETURN}));
  EXPECT_TRUE(Throughout(
      "no menu", [&] { return VisibleMenu() == nullptr; }, 500));
  EXPECT_TRUE(::IsWindowVisible(ListWindow()));

  list.SelectOnly({1});
  ASSERT_TRUE(PressChord({VK_RETURN}));
  ASSERT_TRUE(Eventually("the context menu", [&] { return VisibleMenu() != nullptr; }));
  RECT row = {};
  RECT menu = {};
  ASSERT_TRUE(list.RowRect(1, row));
  ASSERT_TRUE(::GetWindowRect(VisibleMenu(), &menu));
  EXPECT_EQ(menu.left, (row.left + row.right) / 2);
  EXPECT_EQ(menu.top, (row.top + row.bottom) / 2);
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  EXPECT_TRUE(Eventually("the menu closed", [&] { return VisibleMenu() == nullptr; }));
}

class AppListConfirmingClose : public AppList {
 protected:
  void PrepareSettings() override { ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ConfirmClose", 1)); }

  ::testing::AssertionResult ChooseClose() {
    if (!PressChord({VK_RETURN})) return ::testing::AssertionFailure() << "Enter failed";
    if (!Eventually("the context menu", [&] { return VisibleMenu() != nullptr; })) {
      return ::testing::AssertionFailure() << "no context menu";
    }
    if (!PressChord({'C'})) return ::testing::AssertionFailure() << "C failed";
    return ::testing::AssertionSuccess();
  }
};

TEST_F(AppListConfirmingClose, NoClosesNothingAndYesSkipsTheOwnerOfAModalDialog) {
  HWND plain = OpenWindow("Plain", 0);
  HWND owner = OpenWindow("Owner of a dialog", 1);
  ASSERT_TRUE(plain && owner);
  ASSERT_NE(helper_.Open("title=Modal dialog|owner=" + std::to_string(reinterpret_cast<UINT_PTR>(owner)) +
                         "|x=400|y=600|w=200|h=100"),
            nullptr);
  ::EnableWindow(owner, FALSE);
  ASSERT_TRUE(OpenListOf(0));
  const Titles titles = ListedTitles();
  std::vector<int> rows;
  for (size_t i = 0; i < titles.size(); ++i) {
    if (titles[i] == "Plain" || titles[i] == "Owner of a dialog") rows.push_back(static_cast<int>(i));
  }
  ASSERT_EQ(rows.size(), 2u);
  RemoteListView(ListControl()).SelectOnly(rows);

  ASSERT_TRUE(ChooseClose());
  HWND question = qiv_.WaitForMessageBox("Do you really want to close selected applications?");
  ASSERT_NE(question, nullptr);
  PressDialogButton(question, IDNO);
  EXPECT_TRUE(Throughout(
      "both windows and the list to stay",
      [&] { return ::IsWindow(plain) && ::IsWindow(owner) && ::IsWindowVisible(ListWindow()); }, 500));

  ASSERT_TRUE(ChooseClose());
  question = qiv_.WaitForMessageBox("Do you really want to close selected applications?");
  ASSERT_NE(question, nullptr);
  PressDialogButton(question, IDYES);
  EXPECT_TRUE(Eventually("the plain window closed", [&] { return !::IsWindow(plain); }));
  EXPECT_TRUE(ListHidden());
  EXPECT_TRUE(Throughout(
      "the disabled owner to stay", [&] { return ::IsWindow(owner) != FALSE; }, 500));
}

TEST_F(AppList, DragWithoutCtrlMovesAWindowOffTheCurrentScreen) {
  HWND moved = OpenWindow("Moved", 0);
  HWND staying = OpenWindow("Staying", 1);
  ASSERT_TRUE(moved && staying);
  ASSERT_TRUE(OpenListOf(0));
  ASSERT_EQ(ListedTitles(), (Titles{"Moved", "Staying"}));
  ASSERT_TRUE(DragRowOnto(0, 2, false));
  EXPECT_TRUE(ListHidden());
  EXPECT_TRUE(VisibleState({moved}, false));
  EXPECT_TRUE(::IsWindowVisible(staying));
  EXPECT_EQ(TitlesOf(0), (Titles{"Staying"}));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(ListHidden());
  EXPECT_EQ(TitlesOf(2), (Titles{"Moved"}));
}

TEST_F(AppList, DragOfThreeWindowsWithCtrlCopiesThemOntoTheCurrentScreen) {
  const std::vector<HWND> windows = {OpenWindow("One", 0), OpenWindow("Two", 1), OpenWindow("Three", 2)};
  ASSERT_TRUE(windows[0] && windows[1] && windows[2]);
  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  ASSERT_TRUE(VisibleState(windows, false));

  ASSERT_TRUE(OpenListOf(0));
  ASSERT_EQ(ListedTitles(), (Titles{"One", "Two", "Three"}));
  RemoteListView(ListControl()).SelectOnly({0, 1, 2});
  ASSERT_TRUE(DragRowOnto(0, 1, true));
  EXPECT_TRUE(VisibleState(windows, true));

  EXPECT_EQ(TitlesOf(1), (Titles{"One", "Two", "Three"}));
  ASSERT_TRUE(PressChord({VK_ESCAPE}));
  ASSERT_TRUE(ListHidden());
  EXPECT_EQ(TitlesOf(0), (Titles{"One", "Two", "Three"})) << "a copy stays on its screen as well";
}

class AppListStick : public AppList {
 protected:
  // Selects the row of the window with that title and chooses Stick from the context menu, four items up from
  // the bottom of the menu (keys walk over greyed items too, never onto separators).
  ::testing::AssertionResult StickRow(const std::string& title) {
    if (::testing::AssertionResult opened = OpenListOf(0); !opened) return opened;
    const Titles titles = ListedTitles();
    int row = -1;
    for (size_t i = 0; i < titles.size(); ++i) {
      if (titles[i] == title) row = static_cast<int>(i);
    }
    if (row < 0) return ::testing::AssertionFailure() << "no row " << title;
    RemoteListView(ListControl()).SelectOnly({row});
    if (!PressChord({VK_RETURN})) return ::testing::AssertionFailure() << "Enter failed";
    if (!Eventually("the context menu", [&] { return VisibleMenu() != nullptr; })) {
      return ::testing::AssertionFailure() << "no context menu";
    }
    for (int step = 0; step < 4; ++step) {
      if (!PressChord({VK_UP})) return ::testing::AssertionFailure() << "Up failed";
    }
    if (!PressChord({VK_RETURN})) return ::testing::AssertionFailure() << "Enter failed";
    return ::testing::AssertionSuccess();
  }

  // The settings window, and over it the rule editor filled in with the window's text and class.
  ::testing::AssertionResult EditorOpensFor(const std::string& title) {
    // The editor comes up at once and takes the foreground.
    if (::testing::AssertionResult shown = settings_.WaitUntilShown(); !shown) return shown;
    if (!Eventually("the rule editor", [&] { return settings_.StickyEditor() != nullptr; })) {
      return ::testing::AssertionFailure() << "no rule editor";
    }
    const StickyEditorEntries entries = ReadStickyEditor(settings_.StickyEditor());
    if (!(entries == StickyEditorEntries{true, false, title, true, "QivE2EWindow"})) {
      return ::testing::AssertionFailure() << "the editor shows " << entries;
    }
    return ::testing::AssertionSuccess();
  }

  SettingsWindow settings_{qiv_};
};

TEST_F(AppListStick, CancelInTheEditorClosesTheWholeSettings) {
  ASSERT_NE(OpenWindow("Not to stick"), nullptr);
  ASSERT_TRUE(StickRow("Not to stick"));
  ASSERT_TRUE(EditorOpensFor("Not to stick"));
  EXPECT_EQ(settings_.CurrentTab(), kStickyPage);
  PressDialogButton(settings_.StickyEditor(), IDCANCEL);
  EXPECT_TRUE(settings_.WaitUntilClosed());
  EXPECT_TRUE(ListHidden());
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, "Software\\Brevik\\Qiv\\Sticky"), Titles{});
}

TEST_F(AppListStick, OkInTheEditorThenOnTheSettingsKeepsTheWindowOnEveryScreen) {
  const HWND stuck = OpenWindow("Stuck", 0);
  const HWND other = OpenWindow("Not stuck", 1);
  ASSERT_TRUE(stuck && other);
  ASSERT_TRUE(StickRow("Stuck"));
  ASSERT_TRUE(EditorOpensFor("Stuck"));
  const HWND editor = settings_.StickyEditor();
  PressDialogButton(editor, IDOK);
  ASSERT_TRUE(Eventually("the rule editor to close", [&] { return !::IsWindow(editor); }));
  EXPECT_TRUE(::IsWindowVisible(settings_.Dialog())) << "the settings stay open";
  EXPECT_EQ(settings_.CurrentTab(), kStickyPage);
  EXPECT_EQ(RemoteListView(settings_.Control(IDC_STICKY_LIST)).Texts(), (Titles{"Stuck - QivE2EWindow"}));
  const std::string stickyKey = "Software\\Brevik\\Qiv\\Sticky";
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, stickyKey), Titles{}) << "nothing is stored before the settings' OK";

  PressDialogButton(settings_.CurrentPage(), IDOK);
  ASSERT_TRUE(settings_.WaitUntilClosed());
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, stickyKey, "Text #0"), "Stuck");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, stickyKey, "Class #0"), "QivE2EWindow");
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, stickyKey, "Flag #0"), 5u);

  ASSERT_TRUE(PressCtrlAlt('2'));
  ASSERT_TRUE(ScreenBecomes(1));
  EXPECT_TRUE(VisibleState({other}, false));
  EXPECT_TRUE(::IsWindowVisible(stuck)) << "a sticky window stays through the switch";
  EXPECT_EQ(TitlesOf(0), (Titles{"Not stuck"})) << "and leaves the screen's list";
}

}  // namespace
}  // namespace qiv::e2e
