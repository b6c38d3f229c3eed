// Qivhook.dll under Wine: the test program plays Qiv (it installs the hooks with a
// window of its own) and the helper process plays the applications.
#include "hooklib/Qivhook.h"
#include "tests/e2e/harness/Keyboard.h"
#include "tests/e2e/harness/QivTest.h"

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

namespace qiv::e2e {
namespace {

constexpr UINT kWindowShownReport = WM_USER + 11;
constexpr UINT kKeyReport = WM_USER + 15;

using KeyReport = std::pair<WPARAM, LPARAM>;

// The window that receives the reports, as Qiv's panel would.
class ReportWindow {
 public:
  ReportWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QivE2EReportWindow";
    ::RegisterClassA(&windowClass);
    window_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "reports", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~ReportWindow() { ::DestroyWindow(window_); }
  ReportWindow(const ReportWindow&) = delete;
  ReportWindow& operator=(const ReportWindow&) = delete;

  HWND Handle() const { return window_; }
  // The reply to key reports whose virtual key is key (0 for every other).
  void SwallowKey(WPARAM key) { swallowedKey_ = key; }

  std::vector<KeyReport> keys;
  std::vector<HWND> shownWindows;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ReportWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && message == kKeyReport) {
      self->keys.emplace_back(wParam, lParam);
      return wParam == self->swallowedKey_ ? 1 : 0;
    }
    if (self != nullptr && message == kWindowShownReport) {
      self->shownWindows.push_back(reinterpret_cast<HWND>(wParam));
      return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  WPARAM swallowedKey_ = 0;
};

class HookLibrary {
 public:
  HookLibrary() : module_(::LoadLibraryA((BinaryDirectory() + "Qivhook.dll").c_str())) {
    if (module_ == nullptr) return;
    init = Function<BOOL(__cdecl*)(HWND, DWORD)>("QivhookInit");
    cleanup = Function<void(__cdecl*)()>("QivhookCleanup");
    lock = Function<void(__cdecl*)(BOOL)>("QivhookLock");
    getLock = Function<LONG(__cdecl*)()>("QivhookGetLock");
    setInterceptedKeys = Function<void(__cdecl*)(const QivhookInterceptedKey*, LONG)>("QivhookSetInterceptedKeys");
  }
  ~HookLibrary() {
    if (cleanup != nullptr) cleanup();
    if (module_ != nullptr) ::FreeLibrary(module_);
  }
  HookLibrary(const HookLibrary&) = delete;
  HookLibrary& operator=(const HookLibrary&) = delete;

  bool Loaded() const { return init && cleanup && lock && getLock && setInterceptedKeys; }

  BOOL(__cdecl* init)(HWND, DWORD) = nullptr;
  void(__cdecl* cleanup)() = nullptr;
  void(__cdecl* lock)(BOOL) = nullptr;
  LONG(__cdecl* getLock)() = nullptr;
  void(__cdecl* setInterceptedKeys)(const QivhookInterceptedKey*, LONG) = nullptr;

 private:
  template <typename Pointer>
  Pointer Function(const char* name) {
    return reinterpret_cast<Pointer>(reinterpret_cast<void*>(::GetProcAddress(module_, name)));
  }
  HMODULE module_;
};

class Hooks : public QivTest {
 protected:
  void SetUp() override {
    QivTest::SetUp();
    ASSERT_TRUE(hooks_.Loaded()) << "Qivhook.dll or one of its exports is missing";
    ASSERT_TRUE(helper_.Start()) << "the helper program did not start";
    ASSERT_TRUE(hooks_.init(reports_.Handle(), ::GetCurrentProcessId()));
    // The helper's window has the focus, as an application would when the user types.
    target_ = helper_.Open("title=Typing target|thread");
    ASSERT_NE(target_, nullptr);
    ASSERT_TRUE(FocusTarget());
    reports_.keys.clear();
    reports_.shownWindows.clear();
  }

  ::testing::AssertionResult FocusTarget() { return helper_.BringToForeground(target_); }

  // Reports about window; the desktop's own windows (Wine's taskbar among them) are
  // foreign windows too, so the tests look only at the windows they made.
  size_t ReportsAbout(HWND window) const {
    return std::count(reports_.shownWindows.begin(), reports_.shownWindows.end(), window);
  }

  LRESULT KeyDownsSeenByTarget(WPARAM key) { return helper_.KeyDownCount(target_, key); }

  // Waits until the target has received key (so every hook call for it has returned).
  ::testing::AssertionResult TargetReceives(WPARAM key, LRESULT count) {
    return Eventually("the helper's window to receive the key", [&] { return KeyDownsSeenByTarget(key) == count; });
  }

  ReportWindow reports_;
  HookLibrary hooks_;
  HWND target_ = nullptr;
};

TEST_F(Hooks, ChordIsReportedKeyByKeyWithItsModifiers) {
  reports_.SwallowKey('1');
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, '1'}));
  ASSERT_TRUE(Eventually("three key reports", [&] { return reports_.keys.size() >= 3; }));
  const std::vector<KeyReport> expected = {{VK_CONTROL, 1}, {VK_MENU, 3}, {'1', 3}};
  EXPECT_EQ(reports_.keys, expected) << "releases must not be reported either";
  // The swallowed key never reaches the application; its modifiers do.
  ASSERT_TRUE(TargetReceives(VK_CONTROL, 1));
  EXPECT_TRUE(Throughout(
      "the swallowed key stays away", [&] { return KeyDownsSeenByTarget('1') == 0; }, 300));
}

TEST_F(Hooks, KeyAnsweredWithZeroReachesTheApplication) {
  reports_.SwallowKey(0);
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, '1'}));
  ASSERT_TRUE(TargetReceives('1', 1));
  EXPECT_EQ(reports_.keys.size(), 3u);
}

// The panel keeps the table of every key it acts on: a key of the table is posted, any other key goes straight on
// to the application, without a report that would make it wait for the panel.
TEST_F(Hooks, WithATableOnlyItsKeysAreReported) {
  const QivhookInterceptedKey screenKey = {'1', kHookModCtrl | kHookModAlt, 1};
  hooks_.setInterceptedKeys(&screenKey, 1);
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, '1'}));
  ASSERT_TRUE(PressChord({'Q'}));
  ASSERT_TRUE(TargetReceives('Q', 1));
  ASSERT_TRUE(Eventually("the table's key to be reported", [&] { return !reports_.keys.empty(); }));
  EXPECT_TRUE(Throughout(
      "no other report",
      [&] {
        return reports_.keys == std::vector<KeyReport>{{'1', 3}};
      },
      300));
  EXPECT_EQ(KeyDownsSeenByTarget('1'), 0) << "the table swallows it";
  hooks_.setInterceptedKeys(nullptr, 0);
}

TEST_F(Hooks, LockCounterSilencesEveryReportUntilBackAtZero) {
  reports_.SwallowKey('1');
  // Lowering a counter of 0 makes it negative, which silences the reports as well.
  for (BOOL firstCall : {TRUE, FALSE}) {
    SCOPED_TRACE(firstCall ? "counter raised" : "counter below zero");
    hooks_.lock(firstCall);
    EXPECT_EQ(hooks_.getLock(), firstCall ? 1 : -1);
    const LRESULT before = KeyDownsSeenByTarget('1');
    ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, '1'}));
    ASSERT_TRUE(TargetReceives('1', before + 1)) << "a silenced hook must not swallow keys";
    HWND shown = helper_.Open("title=Shown while locked");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(Throughout(
        "no reports", [&] { return reports_.keys.empty() && ReportsAbout(shown) == 0; }, 300));
    ASSERT_TRUE(FocusTarget());
    hooks_.lock(!firstCall);
    EXPECT_EQ(hooks_.getLock(), 0);
  }
  // Back at zero, reports flow again.
  ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, '1'}));
  EXPECT_TRUE(Eventually("key reports after unlocking", [&] { return reports_.keys.size() == 3; }));
}

TEST_F(Hooks, LockCounterIsSharedByEveryProcess) {
  hooks_.lock(TRUE);
  hooks_.lock(TRUE);
  EXPECT_EQ(helper_.Command("hooklock"), 1002) << "the helper process must see the same counter";
  hooks_.lock(FALSE);
  hooks_.lock(FALSE);
  EXPECT_EQ(helper_.Command("hooklock"), 1000);
}

TEST_F(Hooks, ForeignTopLevelWindowIsReportedOnceWhenShown) {
  HWND shown = helper_.Open("title=Foreign window");
  ASSERT_NE(shown, nullptr);
  ASSERT_TRUE(Eventually("a report of the shown window", [&] { return ReportsAbout(shown) > 0; }));
  EXPECT_TRUE(Throughout(
      "no second report", [&] { return ReportsAbout(shown) == 1; }, 300));
}

TEST_F(Hooks, ChildWindowsAndOwnWindowsAreNotReported) {
  std::ostringstream childFields;
  childFields << "title=Child|parent=" << reinterpret_cast<ULONG_PTR>(target_);
  HWND child = helper_.Open(childFields.str());
  ASSERT_NE(child, nullptr);
  HWND own = ::CreateWindowExA(0, "STATIC", "own window", WS_OVERLAPPED, 10, 10, 100, 100, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
  ::ShowWindow(own, SW_SHOWNORMAL);
  // A foreign window shown afterwards proves the hooks were listening all along.
  HWND foreign = helper_.Open("title=Proof");
  ASSERT_TRUE(Eventually("the report of the foreign window", [&] { return ReportsAbout(foreign) > 0; }));
  EXPECT_EQ(ReportsAbout(child), 0u);
  EXPECT_EQ(ReportsAbout(own), 0u);
  ::DestroyWindow(own);
}

}  // namespace
}  // namespace qiv::e2e
