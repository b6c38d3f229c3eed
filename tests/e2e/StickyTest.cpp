// The Sticky Windows page under Wine: the window finder dragged over windows of the helper and over the panel,
// the rule editor's check boxes and refusals, and Remove with several rows selected.
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

using Rows = std::vector<std::string>;

constexpr const char* kStickyKey = "Software\\Brevik\\Qiv\\Sticky";

class StickyWindows : public SwitchingFixture {
 protected:
  // The panel's Settings command, then the Sticky Windows tab.
  ::testing::AssertionResult OpenStickyPage() {
    if (::testing::AssertionResult opened = settings_.OpenFromPanel(panel_); !opened) return opened;
    return settings_.ShowPage(kStickyPage);
  }

  // Helper windows stay below the settings window, which the desktop's middle holds, and clear of the panel.
  HWND OpenTarget(const std::string& fields) { return helper_.Open(fields + "|x=40|y=700|w=320|h=200"); }

  HWND Editor() const { return settings_.StickyEditor(); }
  ::testing::AssertionResult EditorShown() {
    return Eventually("the rule editor", [&] { return Editor() != nullptr; });
  }
  ::testing::AssertionResult EditorClosed(HWND editor) {
    return Eventually("the rule editor to close", [&] { return !::IsWindow(editor); });
  }

  std::string InfoLine() const { return WindowText(settings_.Control(IDC_FOUND_WINDOW_INFO)); }
  Rows RuleRows() const { return RemoteListView(settings_.Control(IDC_STICKY_LIST)).Texts(); }

  // Presses on the finder's icon and moves the pointer off it, as a user starts to drag the cross-hair.
  ::testing::AssertionResult BeginFinderDrag() {
    const POINT icon = Centre(WindowRect(settings_.Control(IDC_WINDOW_FINDER)));
    if (!PressLeftButtonAt(icon) || !MoveMouseTo({icon.x - 10, icon.y - 10})) {
      return ::testing::AssertionFailure() << "the press on the finder failed";
    }
    return Eventually("the page to take the mouse",
                      [&] { return MouseCaptureOf(settings_.CurrentPage()) == settings_.CurrentPage(); });
  }

  // Moves the cross-hair to point and waits until the info line tells what it found there.
  ::testing::AssertionResult MoveFinderTo(POINT point, const std::string& info) {
    if (!MoveMouseTo(point)) return ::testing::AssertionFailure() << "the move failed";
    return Eventually("the info line to read \"" + info + "\"", [&] { return InfoLine() == info; });
  }

  SettingsWindow settings_{qiv_};
};

TEST_F(StickyWindows, FinderOverAChildControlFindsItsDialogAndOkAddsTheRule) {
  const HWND dialog = OpenTarget("class=QivE2EFinderTarget|title=Finder target");
  ASSERT_NE(dialog, nullptr);
  const HWND child =
      helper_.Open("parent=" + std::to_string(reinterpret_cast<UINT_PTR>(dialog)) + "|x=20|y=20|w=120|h=60");
  ASSERT_NE(child, nullptr);
  ASSERT_TRUE(OpenStickyPage());
  EXPECT_EQ(RuleRows(), Rows{});

  ASSERT_TRUE(BeginFinderDrag());
  ASSERT_TRUE(MoveFinderTo(Centre(WindowRect(child)), "Finder target - QivE2EFinderTarget"));
  CURSORINFO cursor = {};
  cursor.cbSize = sizeof cursor;
  ASSERT_TRUE(::GetCursorInfo(&cursor));
  EXPECT_NE(cursor.hCursor, ::LoadCursorA(nullptr, IDC_ARROW)) << "the cross-hair while dragging";
  ASSERT_TRUE(ReleaseLeftButtonAt(Centre(WindowRect(child))));

  ASSERT_TRUE(EditorShown());
  const HWND editor = Editor();
  EXPECT_EQ(ReadStickyEditor(editor), (StickyEditorEntries{true, false, "Finder target", true, "QivE2EFinderTarget"}));
  EXPECT_EQ(InfoLine(), "") << "the info line is emptied when the drag ends";
  PressDialogButton(editor, IDOK);
  ASSERT_TRUE(EditorClosed(editor));
  EXPECT_TRUE(Eventually("the new row", [&] { return RuleRows() == Rows{"Finder target - QivE2EFinderTarget"}; }));
  PressDialogButton(settings_.CurrentPage(), IDCANCEL);
  EXPECT_TRUE(settings_.WaitUntilClosed());
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kStickyKey), std::vector<std::string>{})
      << "Cancel keeps the rule out of the registry";
}

TEST_F(StickyWindows, FinderLetGoOverThePanelFindsNothingAndOpensNoEditor) {
  const HWND target = OpenTarget("title=Passed over");
  ASSERT_NE(target, nullptr);
  ASSERT_TRUE(OpenStickyPage());
  ASSERT_TRUE(BeginFinderDrag());
  // On the way the line names the helper's window; over the panel it goes blank.
  ASSERT_TRUE(MoveFinderTo(Centre(WindowRect(target)), "Passed over - QivE2EWindow"));
  RECT button = {};
  ASSERT_TRUE(QivProcess::ScreenButtonRect(panel_, 0, button));
  ASSERT_TRUE(MoveFinderTo(Centre(button), ""));
  ASSERT_TRUE(ReleaseLeftButtonAt(Centre(button)));
  EXPECT_TRUE(Throughout(
      "no rule editor", [&] { return Editor() == nullptr; }, 700));
  EXPECT_EQ(RuleRows(), Rows{});
  EXPECT_EQ(MouseCaptureOf(settings_.CurrentPage()), nullptr) << "the drag has ended";
  PressDialogButton(settings_.CurrentPage(), IDCANCEL);
  EXPECT_TRUE(settings_.WaitUntilClosed());
}

TEST_F(StickyWindows, FinderOnAWindowWithoutTitleOffersOnlyItsClassAndCancelAddsNothing) {
  const HWND untitled = OpenTarget("class=QivE2EUntitled|title=");
  ASSERT_NE(untitled, nullptr);
  ASSERT_TRUE(OpenStickyPage());
  ASSERT_TRUE(BeginFinderDrag());
  ASSERT_TRUE(MoveFinderTo(Centre(WindowRect(untitled)), "QivE2EUntitled"));
  ASSERT_TRUE(ReleaseLeftButtonAt(Centre(WindowRect(untitled))));
  ASSERT_TRUE(EditorShown());
  const HWND editor = Editor();
  EXPECT_EQ(ReadStickyEditor(editor), (StickyEditorEntries{false, false, "", true, "QivE2EUntitled"}));
  PressDialogButton(editor, IDCANCEL);
  ASSERT_TRUE(EditorClosed(editor));
  EXPECT_TRUE(::IsWindow(settings_.Dialog())) << "the settings stay open";
  EXPECT_EQ(RuleRows(), Rows{});
  PressDialogButton(settings_.CurrentPage(), IDCANCEL);
  EXPECT_TRUE(settings_.WaitUntilClosed());
}

TEST_F(StickyWindows, TypingIntoTheEmptyClassEditChecksItsBoxAndTheEditorRefusesEmptyRules) {
  ASSERT_TRUE(OpenStickyPage());
  PressDialogButton(settings_.CurrentPage(), IDC_ADD_RULE);
  ASSERT_TRUE(EditorShown());
  const HWND editor = Editor();
  ASSERT_EQ(ReadStickyEditor(editor), StickyEditorEntries{}) << "a new rule starts empty";
  const HWND classEdit = ::GetDlgItem(editor, IDC_RULE_CLASS);
  ASSERT_TRUE(ClickAt(Centre(WindowRect(classEdit))));
  ASSERT_TRUE(PressChord({'A'}));
  EXPECT_TRUE(Eventually("the class box on", [&] { return ReadStickyEditor(editor).useClass; }));
  ASSERT_TRUE(PressChord({VK_BACK}));
  ASSERT_TRUE(Eventually("the class edit empty", [&] { return WindowText(classEdit).empty(); }));
  EXPECT_TRUE(ReadStickyEditor(editor).useClass) << "clearing the edit leaves its box on";
  EXPECT_FALSE(ReadStickyEditor(editor).useText);

  PressDialogButton(editor, IDOK);
  HWND refusal = qiv_.WaitForMessageBox("Window text or class name is empty.");
  ASSERT_NE(refusal, nullptr);
  PressDialogButton(refusal, IDOK);
  ASSERT_TRUE(Eventually("the message to close", [&] { return !::IsWindow(refusal); }));
  EXPECT_TRUE(::IsWindowVisible(editor)) << "the editor stays for a correction";

  SendTo(::GetDlgItem(editor, IDC_RULE_USE_CLASS), BM_SETCHECK, BST_UNCHECKED);
  PressDialogButton(editor, IDOK);
  refusal = qiv_.WaitForMessageBox("You have to check either the text or class.");
  ASSERT_NE(refusal, nullptr);
  PressDialogButton(refusal, IDOK);
  ASSERT_TRUE(Eventually("the message to close", [&] { return !::IsWindow(refusal); }));
  PressDialogButton(editor, IDCANCEL);
  ASSERT_TRUE(EditorClosed(editor));
  EXPECT_EQ(RuleRows(), Rows{});
  PressDialogButton(settings_.CurrentPage(), IDCANCEL);
  EXPECT_TRUE(settings_.WaitUntilClosed());
}

class StickyWindowsWithSixRules : public StickyWindows {
 protected:
  void PrepareSettings() override {
    for (int i = 0; i < 6; ++i) {
      const std::string n = std::to_string(i);
      ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kStickyKey, "Text #" + n, "Rule " + n));
      ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kStickyKey, "Class #" + n, ""));
      ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kStickyKey, "Flag #" + n, 1));
    }
  }

  bool Enabled(int id) const { return ::IsWindowEnabled(settings_.Control(id)) != FALSE; }
};

TEST_F(StickyWindowsWithSixRules, RemoveDeletesExactlyTheThreeSelectedRowsAndOkStoresTheRest) {
  ASSERT_TRUE(OpenStickyPage());
  ASSERT_EQ(RuleRows(), (Rows{"Rule 0", "Rule 1", "Rule 2", "Rule 3", "Rule 4", "Rule 5"}));
  EXPECT_FALSE(Enabled(IDC_EDIT_RULE) || Enabled(IDC_REMOVE_RULE)) << "nothing selected";
  RemoteListView(settings_.Control(IDC_STICKY_LIST)).SelectOnly({1, 3, 4});
  EXPECT_TRUE(
      Eventually("Edit and Remove enabled", [&] { return Enabled(IDC_EDIT_RULE) && Enabled(IDC_REMOVE_RULE); }));

  PressDialogButton(settings_.CurrentPage(), IDC_REMOVE_RULE);
  EXPECT_TRUE(Eventually("three rows left", [&] { return RuleRows() == Rows{"Rule 0", "Rule 2", "Rule 5"}; }));
  EXPECT_FALSE(Enabled(IDC_REMOVE_RULE)) << "the selection went with its rows";
  PressDialogButton(settings_.CurrentPage(), IDOK);
  ASSERT_TRUE(settings_.WaitUntilClosed());
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kStickyKey).size(), 9u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kStickyKey, "Text #0"), "Rule 0");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kStickyKey, "Text #1"), "Rule 2");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kStickyKey, "Text #2"), "Rule 5");
}

}  // namespace
}  // namespace qiv::e2e
