// Qiv.exe ending without its close command, killed or crashed: the windows it had taken off the desktop come back
// by themselves, through its guardian, its crash handler, or the next start.
#include "tests/e2e/harness/SwitchingFixture.h"
#include "tests/e2e/harness/TestRegistry.h"
#include "tests/e2e/harness/WindowQueries.h"

#include <tlhelp32.h>

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

  // The guardian: the other Qiv.exe.
  DWORD GuardianId() const {
    DWORD found = 0;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
      if (::lstrcmpiA(entry.szExeFile, "Qiv.exe") == 0 && entry.th32ProcessID != qiv_.Id()) {
        found = entry.th32ProcessID;
      }
    }
    ::CloseHandle(snapshot);
    return found;
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
  ASSERT_TRUE(Eventually("the guardian running", [&] { return GuardianId() != 0; }));
  ASSERT_TRUE(Kill(qiv_.Id()));
  EXPECT_TRUE(BackInTheirShowStates(kBackWithinMs));
  EXPECT_TRUE(Eventually("the guardian to end", [&] { return GuardianId() == 0; }));
}

TEST_F(CrashSafety, ACrashBringsBackParkedWindowsToo) {
  HWND explorer = helper_.Open("class=CabinetWClass|title=Explorer window|x=150|y=390");
  ASSERT_NE(explorer, nullptr);
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(Eventually("the Explorer window parked",
                         [&] { return ::GetAncestor(explorer, GA_PARENT) != ::GetDesktopWindow(); }));

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
  EXPECT_TRUE(Eventually(
      "the Explorer window back on the desktop",
      [&] { return ::GetAncestor(explorer, GA_PARENT) == ::GetDesktopWindow() && ::IsWindowVisible(explorer); },
      kBackWithinMs));
}

TEST_F(CrashSafety, TheNextStartBringsBackWhatNoGuardianCould) {
  ASSERT_NO_FATAL_FAILURE(HideThreeWindows());
  ASSERT_TRUE(
      Eventually("the journal kept in the registry", [&] { return KeyExists(HKEY_CURRENT_USER, kStoredJournalKey); }));
  const DWORD guardian = GuardianId();
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
  EXPECT_TRUE(Eventually("the guardian to end", [&] { return GuardianId() == 0; }));
}

}  // namespace
}  // namespace qiv::e2e
