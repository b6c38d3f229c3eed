// Qiv.exe ending without its close command, killed or crashed: the windows it had taken off the desktop come back
// by themselves, through its guardian, its crash handler, or the next start.
#include "tests/e2e/harness/SwitchingFixture.h"
#include "tests/e2e/harness/TestRegistry.h"
#include "tests/e2e/harness/WindowQueries.h"

#include <cstdio>

#include <string>
#include <vector>

namespace qiv::e2e {
namespace {

constexpr char kStoredJournalKey[] = "Software\\Brevik\\Qiv\\Windows off the desktop";

// Windows of a program that ended without bringing them back are back within this time.
constexpr unsigned kBackWithinMs = 2000;

class CrashSafety : public SwitchingFixture {
 protected:
  // Three windows of screen 1, one minimised and one maximised, taken off the desktop by a switch to screen 2.
  void HideThreeWindows() {
    normal_ = helper_.Open("title=Normal|x=60|y=300");
    minimised_ = helper_.Open("title=Minimised|x=90|y=330");
    maximised_ = helper_.Open("title=Maximised|x=120|y=360");
    ASSERT_TRUE(normal_ && minimised_ && maximised_);
    ::ShowWindowAsync(minimised_, SW_MINIMIZE);
    ::ShowWindowAsync(maximised_, SW_MAXIMIZE);
    ASSERT_TRUE(Eventually("the show states", [&] { return ::IsIconic(minimised_) && ::IsZoomed(maximised_); }));
    // The screen-state refresh takes them in.
    ::Sleep(2 * kScreenStateTickMs);
    ASSERT_TRUE(PressCtrlAlt('2'));
    ASSERT_TRUE(ScreenBecomes(1));
    ASSERT_TRUE(VisibleState({normal_, minimised_, maximised_}, false));
  }

  ::testing::AssertionResult BackInTheirShowStates(unsigned withinMs) {
    return Eventually(
        "the windows back on the desktop in their show states",
        [&] {
          return ::IsWindowVisible(normal_) && ::IsWindowVisible(minimised_) && ::IsWindowVisible(maximised_) &&
                 ::IsIconic(minimised_) && ::IsZoomed(maximised_) && !::IsIconic(normal_) && !::IsZoomed(normal_);
        },
        withinMs);
  }

  // Parked: a child of the holder window; back: a visible top-level window again.
  static ::testing::AssertionResult ParkedState(HWND window, bool parked, unsigned withinMs = 5000) {
    return Eventually(
        parked ? "the Explorer window parked" : "the Explorer window back on the desktop",
        [&] {
          const bool topLevel = ::GetAncestor(window, GA_PARENT) == ::GetDesktopWindow();
          return parked ? !topLevel : topLevel && ::IsWindowVisible(window);
        },
        withinMs);
  }

  static bool Kill(DWORD processId) {
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (process == nullptr) return false;
    const bool killed = ::TerminateProcess(process, 1) && ::WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return killed;
  }

  HWND normal_ = nullptr;
  HWND minimised_ = nullptr;
  HWND maximised_ = nullptr;
};

TEST_F(CrashSafety, AKilledQivGetsItsWindowsBackThroughItsGuardian) {
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(Eventually("the guardian running", [&] { return qiv_.GuardianId() != 0; }));
  ASSERT_TRUE(Kill(qiv_.Id()));
  EXPECT_TRUE(BackInTheirShowStates(kBackWithinMs));
  EXPECT_TRUE(Eventually("the guardian to end", [&] { return qiv_.GuardianId() == 0; }));
}

TEST_F(CrashSafety, ACrashBringsBackParkedWindowsToo) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer window|x=150|y=390");
  ASSERT_NE(explorer, nullptr);
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(ParkedState(explorer, true));

  // A thread that starts at an address where no code is: an access violation that nothing handles.
  HANDLE process = ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, qiv_.Id());
  ASSERT_NE(process, nullptr);
  HANDLE thread =
      ::CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(16), nullptr, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ::CloseHandle(thread);
  const bool ended = ::WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
  ::CloseHandle(process);
  ASSERT_TRUE(ended) << "the crash did not end Qiv";

  EXPECT_TRUE(BackInTheirShowStates(kBackWithinMs));
  EXPECT_TRUE(ParkedState(explorer, false, kBackWithinMs));
}

// The guardian holds the parked windows: they outlive the program, which would take them along when it ends.
TEST_F(CrashSafety, AKilledQivLeavesItsParkedWindowsToTheGuardian) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer window|x=150|y=390");
  ASSERT_NE(explorer, nullptr);
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(ParkedState(explorer, true));
  ASSERT_TRUE(Kill(qiv_.Id()));
  EXPECT_TRUE(ParkedState(explorer, false, kBackWithinMs));
  EXPECT_TRUE(BackInTheirShowStates(kBackWithinMs));
  EXPECT_TRUE(Eventually("the guardian to end", [&] { return qiv_.GuardianId() == 0; }));
}

TEST_F(CrashSafety, AParkedWindowWhoseProgramHangsThroughTheCloseComesBackOnceItAnswers) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer window|thread|x=150|y=390");
  ASSERT_NE(explorer, nullptr);
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(ParkedState(explorer, true));
  constexpr WPARAM kHangMs = 8000;
  ASSERT_TRUE(Hang(explorer, kHangMs));
  const ULONGLONG hangEnds = ::GetTickCount64() + kHangMs;

  const ULONGLONG closeStart = ::GetTickCount64();
  ASSERT_TRUE(qiv_.Close()) << "the close waits for the hung program";
  const ULONGLONG closeMs = ::GetTickCount64() - closeStart;
  ASSERT_LT(::GetTickCount64(), hangEnds) << "the hang must outlast the close for this test";
  EXPECT_TRUE(::IsWindow(explorer)) << "the window went with the program";
  EXPECT_TRUE(BackInTheirShowStates(5000)) << "the windows that answer are back at once";

  ASSERT_TRUE(ParkedState(explorer, false, static_cast<unsigned>(hangEnds - ::GetTickCount64()) + kBackWithinMs));
  const LONGLONG backAfterAnswerMs = static_cast<LONGLONG>(::GetTickCount64()) - static_cast<LONGLONG>(hangEnds);
  std::printf(
      "[crash-safety] close with a hung parked window took %llu ms; the window was back %lld ms after its "
      "program answered\n",
      closeMs, backAfterAnswerMs);
  EXPECT_TRUE(Eventually("the guardian to end", [&] { return qiv_.GuardianId() == 0; }));
}

TEST_F(CrashSafety, TheNextStartBringsBackWhatNoGuardianCould) {
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(
      Eventually("the journal kept in the registry", [&] { return KeyExists(HKEY_CURRENT_USER, kStoredJournalKey); }));
  const DWORD guardian = qiv_.GuardianId();
  ASSERT_NE(guardian, 0u);
  ASSERT_TRUE(Kill(guardian));
  ASSERT_TRUE(Kill(qiv_.Id()));
  ::Sleep(kBackWithinMs);
  ASSERT_FALSE(::IsWindowVisible(normal_)) << "nothing else may bring them back in this test";

  QivProcess next;
  ASSERT_TRUE(next.Start());
  EXPECT_TRUE(BackInTheirShowStates(5000));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kStoredJournalKey)) << "taken by the start";
  EXPECT_NE(next.WaitForPanel(), nullptr);
  EXPECT_TRUE(next.Close());
}

TEST_F(CrashSafety, ANormalCloseLeavesNothingBehind) {
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(
      Eventually("the journal kept in the registry", [&] { return KeyExists(HKEY_CURRENT_USER, kStoredJournalKey); }));
  ASSERT_TRUE(qiv_.Close());
  EXPECT_TRUE(BackInTheirShowStates(5000));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kStoredJournalKey));
  EXPECT_TRUE(Eventually("the guardian to end", [&] { return qiv_.GuardianId() == 0; }));
}

}  // namespace
}  // namespace qiv::e2e
