// The panel under Wine: its default place and size, the keys that close other windows,
// dragging with snapping to the work area, hiding until pointed at, the lock, the start-up
// picture and the colours of the screen buttons.
#include "controls/GifPicture.h"
#include "framework/UniqueHandle.h"
#include "resources/resource.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/Mouse.h"
#include "tests/e2e/harness/QivTest.h"

#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace qiv::e2e {
namespace {

constexpr const char* kMenuClass = "#32768";
// Two caption cells and five double-width screen buttons.
constexpr int kDefaultWidthCells = 12;
// The visibility timer runs every 200 ms.
constexpr unsigned kVisibilityWaitMs = 2000;
constexpr int kSplashWidth = 204;
constexpr int kSplashHeight = 200;
constexpr unsigned kSplashShowMs = 3000;
// GetTickCount64 moves in steps of up to about 16 ms on Windows.
constexpr unsigned kTimerSlackMs = 50;
// Without a window manager Wine takes up to about 2 s more than Windows to destroy a window.
constexpr unsigned kSplashGoneWithinMs = 6000;

using Corners = std::array<LONG, 4>;  // left, top, right, bottom

Corners CornersOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

int Cell() { return ::GetSystemMetrics(SM_CYCAPTION); }

RECT WorkArea() {
  RECT area = {};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// MainWndPos as stored: left, top, right and bottom as 32-bit integers.
std::optional<Corners> SavedPanelRect() {
  const std::optional<std::string> data = ReadBinary(HKEY_CURRENT_USER, kQivKey, "MainWndPos");
  std::int32_t values[4] = {};
  if (!data || data->size() != sizeof(values)) return std::nullopt;
  std::memcpy(values, data->data(), sizeof(values));
  return Corners{values[0], values[1], values[2], values[3]};
}

// Where the panel is at its first start.
RECT DefaultPanelRect() {
  const int cell = Cell();
  const RECT area = WorkArea();
  // Half the work-area width alone, without its left edge.
  const LONG left = (area.right - area.left) / 2;
  return {left, area.top, left + kDefaultWidthCells * cell, area.top + cell};
}

// Far enough from the panel that it counts as not pointed at, and clear of its menu.
POINT FarFrom(const RECT& panel) { return {panel.left - 300, panel.bottom + 400}; }

struct ModuleTraits : HandleTraitsBase<HMODULE> {
  static void Close(HMODULE module, NoOwner) { ::FreeLibrary(module); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

// The start-up picture as Qiv.exe carries it among its resources.
bool LoadStartupPicture(GifPicture& picture) {
  UniqueModule program(::LoadLibraryExA((BinaryDirectory() + "Qiv.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!program) return false;
  HRSRC resource = ::FindResourceA(program.Get(), MAKEINTRESOURCEA(IDR_PICTURE), "PICTURE");
  HGLOBAL loaded = resource != nullptr ? ::LoadResource(program.Get(), resource) : nullptr;
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  return bytes != nullptr &&
         picture.Load(static_cast<const std::uint8_t*>(bytes), ::SizeofResource(program.Get(), resource));
}

class Panel : public QivTest {
 protected:
  void StartQiv() {
    ASSERT_NO_FATAL_FAILURE(QivTest::StartQiv());
    screenButtons_ = ::GetDlgItem(panel_, IDC_SCREEN_BUTTONS);
  }

  // A point of the caption strip: in its first two cells, right of the main-menu button.
  POINT CaptionStripPoint() const {
    const RECT panel = WindowRect(panel_);
    return {panel.left + Cell(), panel.top + Cell() / 2};
  }

  ::testing::AssertionResult GiveFocusToPanel() {
    if (!ClickAt(CaptionStripPoint())) return ::testing::AssertionFailure() << "the click on the caption strip failed";
    return Eventually("the panel in the foreground", [&] { return ::GetForegroundWindow() == panel_; });
  }

  ::testing::AssertionResult PanelShown(bool shown) {
    return Eventually(
        shown ? "the panel shown" : "the panel hidden", [&] { return (::IsWindowVisible(panel_) != FALSE) == shown; },
        kVisibilityWaitMs);
  }

  // Presses on the caption strip, moves so that the panel's top-left corner would come to
  // topLeft, and releases there.
  ::testing::AssertionResult DragPanelTo(POINT topLeft) {
    const RECT before = WindowRect(panel_);
    const POINT grab = CaptionStripPoint();
    const POINT drop = {topLeft.x + grab.x - before.left, topLeft.y + grab.y - before.top};
    if (!PressLeftButtonAt(grab)) return ::testing::AssertionFailure() << "the press on the caption strip failed";
    ::testing::AssertionResult moved =
        Eventually("the panel to capture the mouse", [&] { return MouseCaptureOf(panel_) == panel_; });
    // Moves sent before the capture would go to whatever lies under the cursor.
    if (moved && !MoveMouseTo(drop)) moved = ::testing::AssertionFailure() << "the move failed";
    if (moved) {
      moved = Eventually("the panel to follow the mouse",
                         [&] { return CornersOf(WindowRect(panel_)) != CornersOf(before); });
    }
    // Released also after a failure, so that no later test starts with the button held.
    if (!ReleaseLeftButtonAt(drop) && moved) moved = ::testing::AssertionFailure() << "the release failed";
    if (!moved) return moved;
    return Eventually("the panel to release the mouse", [&] { return MouseCaptureOf(panel_) == nullptr; });
  }

  HWND OpenMenu() const { return FindVisibleTopLevel(qiv_.Id(), kMenuClass); }

  ::testing::AssertionResult CloseMenuWithEscape() {
    if (!PressChord({VK_ESCAPE})) return ::testing::AssertionFailure() << "SendInput failed";
    return Eventually("the main menu to close", [&] { return OpenMenu() == nullptr; });
  }

  // Types password into Qiv's dialog with that caption (the lock dialog) and confirms it.
  ::testing::AssertionResult AnswerLockDialog(const char* caption, const char* password) {
    HWND dialog = nullptr;
    if (!PollUntil([&] { return (dialog = FindVisibleTopLevel(qiv_.Id(), "#32770", caption)) != nullptr; })) {
      return ::testing::AssertionFailure() << "no \"" << caption << "\" dialog of Qiv appeared";
    }
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(::GetDlgItem(dialog, IDC_PASSWORD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(password),
                               SMTO_ABORTIFHUNG, 1000, &result)) {
      return ::testing::AssertionFailure() << "the password edit of the \"" << caption << "\" dialog did not answer";
    }
    PressDialogButton(dialog, IDOK);
    return Eventually(std::string("the \"") + caption + "\" dialog to close", [&] { return !::IsWindow(dialog); });
  }

  COLORREF ButtonFace(int index) const { return QivProcess::ScreenButtonFace(panel_, index); }

  HWND screenButtons_ = nullptr;
};

TEST_F(Panel, StartsTwelveCellsWideAndOneHighAtTheTopOfTheWorkArea) {
  ASSERT_NO_FATAL_FAILURE(StartQiv());
  const Corners expected = CornersOf(DefaultPanelRect());
  EXPECT_EQ(CornersOf(WindowRect(panel_)), expected);
  EXPECT_EQ(SavedPanelRect(), expected);
}

// What an unplugged monitor or a hand-edited value leaves stored: the panel must come back where the user sees it.
TEST_F(Panel, AStoredPlaceOutOfReachGivesWayToTheDefault) {
  struct StoredPlace {
    const char* name;
    std::int32_t corners[4];
  };
  const StoredPlace places[] = {{"off every monitor", {100000, 100000, 100216, 100018}},
                                {"absurd", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}}};
  for (const StoredPlace& place : places) {
    SCOPED_TRACE(place.name);
    ASSERT_TRUE(WriteBinary(HKEY_CURRENT_USER, kQivKey, "MainWndPos",
                            std::string(reinterpret_cast<const char*>(place.corners), sizeof(place.corners))));
    ASSERT_NO_FATAL_FAILURE(StartQiv());
    EXPECT_EQ(CornersOf(WindowRect(panel_)), CornersOf(DefaultPanelRect()));
    ASSERT_TRUE(qiv_.Close());
  }
}

TEST_F(Panel, AltF4EnterAndEscapeLeaveItRunning) {
  struct Keys {
    const char* name;
    WORD modifier;  // 0: none
    WORD key;
  };
  const Keys ignoredKeys[] = {{"Alt+F4", VK_MENU, VK_F4}, {"Enter", 0, VK_RETURN}, {"Escape", 0, VK_ESCAPE}};

  ASSERT_NO_FATAL_FAILURE(StartQiv());
  ASSERT_TRUE(GiveFocusToPanel());
  for (const Keys& keys : ignoredKeys) {
    SCOPED_TRACE(keys.name);
    ASSERT_EQ(::GetForegroundWindow(), panel_) << "the keys would not reach the panel";
    ASSERT_TRUE(keys.modifier != 0 ? PressChord({keys.modifier, keys.key}) : PressChord({keys.key}));
    EXPECT_TRUE(Throughout(
        "Qiv running with its panel shown and no question asked",
        [&] {
          return qiv_.Process().IsRunning() && ::IsWindowVisible(panel_) &&
                 FindMessageBox(qiv_.Id(), kMessageBoxCaption, "") == nullptr;
        },
        500));
  }
}

TEST_F(Panel, DraggedNearTheWorkAreaTopSnapsToItAndIsSaved) {
  struct Drop {
    const char* name;
    int top;          // where the panel's top is dropped, below the work area's top
    int expectedTop;  // where it ends
  };
  // The snap distance is 10 pixels: closer than that snaps.
  const Drop drops[] = {
      {"far from every border", 200, 200},
      {"9 pixels below the top", 9, 0},
      {"exactly 10 pixels below the top", 10, 10},
  };

  ASSERT_NO_FATAL_FAILURE(StartQiv());
  const RECT area = WorkArea();
  const RECT start = WindowRect(panel_);
  for (const Drop& drop : drops) {
    SCOPED_TRACE(drop.name);
    ASSERT_TRUE(DragPanelTo({start.left, area.top + drop.top}));
    const Corners expected = {start.left, area.top + drop.expectedTop, start.right,
                              area.top + drop.expectedTop + start.bottom - start.top};
    EXPECT_EQ(CornersOf(WindowRect(panel_)), expected);
    EXPECT_TRUE(Eventually("MainWndPos to hold the panel's new rectangle", [&] {
      return SavedPanelRect() == CornersOf(WindowRect(panel_));
    })) << "MainWndPos differs from the panel's rectangle";
  }
}

TEST_F(Panel, ShowOnlyPointedHidesThePanelUntilTheMouseComesWithinTenPixels) {
  struct Pointer {
    const char* where;
    POINT (*at)(const RECT& panel);
    bool shown;
  };
  // Each step changes the visibility, so that each one is seen to happen. Row b + 9 is 10
  // pixels below the panel's bottom row b - 1.
  const Pointer pointers[] = {
      {"far away", FarFrom, false},
      {"inside", Centre, true},
      {"11 pixels below",
       [](const RECT& p) {
         return POINT{(p.left + p.right) / 2, p.bottom + 10};
       },
       false},
      {"10 pixels below",
       [](const RECT& p) {
         return POINT{(p.left + p.right) / 2, p.bottom + 9};
       },
       true},
      {"11 pixels left",
       [](const RECT& p) {
         return POINT{p.left - 11, (p.top + p.bottom) / 2};
       },
       false},
      {"10 pixels left",
       [](const RECT& p) {
         return POINT{p.left - 10, (p.top + p.bottom) / 2};
       },
       true},
  };

  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ShowOnlyPointed", 1));
  // Pointed at from the start, so that it is seen laid out.
  ASSERT_TRUE(MoveMouseTo(Centre(DefaultPanelRect())));
  ASSERT_NO_FATAL_FAILURE(StartQiv());
  const RECT panel = WindowRect(panel_);
  for (const Pointer& pointer : pointers) {
    SCOPED_TRACE(std::string("the mouse ") + pointer.where);
    ASSERT_TRUE(MoveMouseTo(pointer.at(panel)));
    EXPECT_TRUE(PanelShown(pointer.shown));
  }
}

TEST_F(Panel, ShowOnlyPointedKeepsThePanelShownWhileItsMenuIsOpen) {
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ShowOnlyPointed", 1));
  // Pointed at from the start, so that it is seen laid out.
  ASSERT_TRUE(MoveMouseTo(Centre(DefaultPanelRect())));
  ASSERT_NO_FATAL_FAILURE(StartQiv());
  // The keys of a menu go to the foreground thread: the Escape below must reach Qiv.
  ASSERT_TRUE(GiveFocusToPanel());
  // The mouse goes away before the menu opens: Wine grabs the X pointer for an open menu, and
  // the input of another process can no longer move it.
  ASSERT_TRUE(MoveMouseTo(FarFrom(WindowRect(panel_))));
  ASSERT_TRUE(PanelShown(false));

  ::PostMessageA(panel_, WM_COMMAND, IDC_MAIN_MENU, 0);
  HWND menu = nullptr;
  ASSERT_TRUE(Eventually("the main menu", [&] { return (menu = OpenMenu()) != nullptr; }));
  EXPECT_TRUE(PanelShown(true));
  EXPECT_TRUE(Throughout(
      "the panel shown while its menu is open", [&] { return ::IsWindowVisible(panel_) && ::IsWindowVisible(menu); },
      1000));
  ASSERT_TRUE(CloseMenuWithEscape());
  EXPECT_TRUE(PanelShown(false));
}

TEST_F(Panel, LockPassesHotKeysOnAndAsksForThePasswordBeforeACommand) {
  ASSERT_TRUE(helper_.Start());
  ASSERT_NO_FATAL_FAILURE(StartQiv());
  // A tool window is sticky: it holds the focus on every screen.
  HWND target = helper_.Open("title=Typing target|tool|x=1000|y=800|w=200|h=100");
  ASSERT_NE(target, nullptr);

  ::PostMessageA(panel_, WM_COMMAND, IDM_LOCK, 0);
  ASSERT_TRUE(AnswerLockDialog("Lock", "secret"));
  EXPECT_TRUE(Eventually("the screen buttons disabled", [&] { return !::IsWindowEnabled(screenButtons_); }));
  EXPECT_TRUE(Throughout(
      "no password asked for while no command came",
      [&] { return FindVisibleTopLevel(qiv_.Id(), "#32770", "Unlock") == nullptr; }, 500));

  // The next-screen key of a locked panel goes on to the application, and switches nothing.
  ASSERT_TRUE(helper_.BringToForeground(target));
  const LRESULT keysBefore = helper_.KeyDownCount(target, VK_RIGHT);
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, VK_RIGHT}));
  EXPECT_TRUE(Eventually("the typing target to receive Ctrl+Alt+Right",
                         [&] { return helper_.KeyDownCount(target, VK_RIGHT) == keysBefore + 1; }));
  EXPECT_TRUE(Throughout(
      "the first screen to stay current", [&] { return QivProcess::CurrentScreen(panel_) == 0; }, 500));

  // The password is compared with its letter case.
  ::PostMessageA(panel_, WM_COMMAND, IDC_MAIN_MENU, 0);
  ASSERT_TRUE(AnswerLockDialog("Unlock", "SECRET"));
  HWND wrong = qiv_.WaitForMessageBox("The entered password is incorrect");
  ASSERT_NE(wrong, nullptr);
  EXPECT_EQ(MessageBoxText(wrong), "The entered password is incorrect");
  PressDialogButton(wrong, IDOK);
  ASSERT_TRUE(Eventually("the message to close", [&] { return !::IsWindow(wrong); }));
  EXPECT_TRUE(Throughout(
      "no main menu after the wrong password", [&] { return OpenMenu() == nullptr; }, 500));
  EXPECT_FALSE(::IsWindowEnabled(screenButtons_)) << "the wrong password unlocked the panel";

  ::PostMessageA(panel_, WM_COMMAND, IDC_MAIN_MENU, 0);
  ASSERT_TRUE(AnswerLockDialog("Unlock", "secret"));
  EXPECT_TRUE(
      Eventually("the main menu, the command that asked for the password", [&] { return OpenMenu() != nullptr; }));
  EXPECT_TRUE(::IsWindowEnabled(screenButtons_));
  EXPECT_TRUE(CloseMenuWithEscape());
}

TEST_F(Panel, StartupPictureIsShapedLikeThePictureAndGoesAfterThreeSeconds) {
  GifPicture picture;
  ASSERT_TRUE(LoadStartupPicture(picture)) << "the picture resource of Qiv.exe could not be read";
  ASSERT_EQ(picture.Width(), kSplashWidth);
  ASSERT_EQ(picture.Height(), kSplashHeight);
  std::vector<GifRun> holes;
  picture.FindTransparentRuns(picture.Frame(0), 0, 0, holes);
  ASSERT_FALSE(holes.empty()) << "the picture has no transparent pixel to check";
  std::vector<bool> isHole(kSplashWidth * kSplashHeight, false);
  for (const GifRun& run : holes) {
    for (int x = run.x; x < run.x + run.length; ++x) isHole[run.y * kSplashWidth + x] = true;
  }

  const ULONGLONG started = ::GetTickCount64();
  ASSERT_TRUE(qiv_.Start());
  HWND splash = nullptr;
  ASSERT_TRUE(Eventually("the start-up picture window", [&] {
    for (HWND window : TopLevelWindowsOf(qiv_.Id())) {
      const RECT rect = WindowRect(window);
      if (::IsWindowVisible(window) && rect.right - rect.left == kSplashWidth &&
          rect.bottom - rect.top == kSplashHeight) {
        splash = window;
        return true;
      }
    }
    return false;
  }));

  UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_TRUE(region);
  const int kind = ::GetWindowRgn(splash, region.Get());
  ASSERT_NE(kind, ERROR) << "the window has no region";
  ASSERT_NE(kind, NULLREGION);
  int mismatches = 0;
  POINT first = {-1, -1};
  for (int y = 0; y < kSplashHeight; ++y) {
    for (int x = 0; x < kSplashWidth; ++x) {
      if ((::PtInRegion(region.Get(), x, y) != FALSE) == isHole[y * kSplashWidth + x]) {
        if (mismatches++ == 0) first = {x, y};
      }
    }
  }
  EXPECT_EQ(mismatches, 0) << "pixels where the region and the picture's holes disagree, the first at (" << first.x
                           << ", " << first.y << ")";

  EXPECT_TRUE(Eventually(
      "the start-up picture window to go", [&] { return !::IsWindow(splash); }, kSplashGoneWithinMs));
  EXPECT_GE(::GetTickCount64() - started, kSplashShowMs - kTimerSlackMs) << "the picture went too early";
}

TEST_F(Panel, ButtonColourTellsWhetherItsScreenHoldsWindows) {
  constexpr COLORREF kNonemptyColour = 0x0000FF00;
  constexpr COLORREF kEmptyColour = 0x00FF0000;
  constexpr int kScreens = 5;
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ColorNonemptyScreen", kNonemptyColour));
  ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kQivKey, "ColorEmptyScreen", kEmptyColour));
  ASSERT_TRUE(helper_.Start());
  ASSERT_NO_FATAL_FAILURE(StartQiv());
  // No tooltip may cover the buttons.
  ASSERT_TRUE(MoveMouseTo(FarFrom(WindowRect(panel_))));

  auto facesAre = [&](COLORREF firstColour) {
    for (int i = 0; i < kScreens; ++i) {
      if (ButtonFace(i) != (i == 0 ? firstColour : kEmptyColour)) return false;
    }
    return true;
  };
  EXPECT_TRUE(Eventually("every button in the empty colour", [&] { return facesAre(kEmptyColour); }))
      << "first button " << std::hex << ButtonFace(0);
  // The current screen takes the window at its next refresh (every 500 ms).
  ASSERT_NE(helper_.Open("title=On the first screen"), nullptr);
  EXPECT_TRUE(Eventually("the first button in the non-empty colour, the others empty",
                         [&] { return facesAre(kNonemptyColour); }))
      << "first button " << std::hex << ButtonFace(0);
}

}  // namespace
}  // namespace qiv::e2e
