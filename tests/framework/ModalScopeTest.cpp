// The modal scope: pre-translation for modeless dialogs inside every kind of modal run, a popup's own loop,
// tokens across nested loops, and the common dialogs' owners.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/ColourDialog.h"
#include "framework/FileOpenDialog.h"
#include "framework/ModalLoop.h"
#include "framework/ModalScope.h"
#include "framework/Program.h"
#include "framework/ShowMessage.h"
#include "tests/e2e/harness/WindowQueries.h"
#include "tests/framework/FrameworkFixture.h"
#include "tests/framework/FrameworkTestIds.h"

namespace qiv::test {
namespace {

using ModalScopeTest = FrameworkTest;

constexpr char kBoxText[] = "A message box of the test";
constexpr ULONGLONG kFindWindowMs = 15000;
constexpr ULONGLONG kCloseMs = 5000;
constexpr DWORD kPollStepMs = 10;

// A modal run of some kind, given parent: inside() runs in its loop, and so does everything inside() posts,
// before the run ends.
struct Runner {
  const char* name;
  std::function<void(HWND parent, const std::function<void()>& inside)> run;
};

// Runs inside(), then posts end, which then comes after whatever inside() posted.
void PostInsideThenEnd(const std::function<void()>& inside, std::function<void()> end) {
  PostStep([&inside, end] {
    inside();
    PostStep(end);
  });
}

const Runner kRunners[] = {
    {"Dialog::DoModal",
     [](HWND parent, const std::function<void()>& inside) {
       TestDialog modal("modal", IDD_TEST_FIELDS);
       modal.onInit = [&inside](TestDialog& dialog) {
         PostInsideThenEnd(inside, [&dialog] { dialog.EndDialog(IDCANCEL); });
       };
       modal.DoModal(parent);
     }},
    {"ModalLoop::Run",
     [](HWND parent, const std::function<void()>& inside) {
       ModalLoop loop(parent);
       TestWindow popup("popup");
       popup.Create(WS_POPUP | WS_CAPTION, loop.Owner());
       PostInsideThenEnd(inside, [&loop] { loop.End(1); });
       loop.Run(popup.Handle());
     }},
    {"ShowMessage",
     [](HWND parent, const std::function<void()>& inside) {
       PostInsideThenEnd(inside, [] {
         e2e::PressDialogButton(e2e::FindMessageBox(::GetCurrentProcessId(), ProgramName(), kBoxText), IDOK);
       });
       ShowMessage(parent, kBoxText, MB_OK);
     }},
};

TEST_F(ModalScopeTest, TabMovesInAModelessDialogUnderEveryModalRun) {
  for (const Runner& runner : kRunners) {
    SCOPED_TRACE(runner.name);
    TestDialog modeless("modeless", IDD_TEST_TWO_EDITS);
    ASSERT_TRUE(modeless.Create(Host().Handle()));
    const HWND first = modeless.DlgItem(IDC_TEST_FIRST);
    HWND focusAfterTab = nullptr;
    runner.run(Host().Handle(), [&] {
      ::SetFocus(first);
      ::PostMessageA(first, WM_KEYDOWN, VK_TAB, 1);
      PostStep([&focusAfterTab] { focusAfterTab = ::GetFocus(); });
    });
    EXPECT_EQ(focusAfterTab, modeless.DlgItem(IDC_TEST_SECOND));
    ::DestroyWindow(modeless.Handle());
  }
}

TEST_F(ModalScopeTest, TokenDiesWhenItsWindowGoesInsideANestedRun) {
  for (const Runner& runner : kRunners) {
    SCOPED_TRACE(runner.name);
    TestWindow target("target");
    ASSERT_TRUE(target.Create(WS_OVERLAPPEDWINDOW));
    const WindowToken targetToken = target.Token();
    const WindowToken hostToken = Host().Token();
    runner.run(Host().Handle(), [&target] { ::DestroyWindow(target.Handle()); });
    EXPECT_FALSE(targetToken.Alive());
    EXPECT_TRUE(hostToken.Alive());
  }
}

TEST_F(ModalScopeTest, PopupLoopDisablesItsOwnerAndEnablesItBeforeTheHide) {
  const HWND host = Host().Handle();
  auto loop = std::make_unique<ModalLoop>(host);
  ASSERT_EQ(loop->Owner(), host);
  TestWindow popup("popup");
  ASSERT_TRUE(popup.Create(WS_POPUP | WS_CAPTION, loop->Owner()));
  HWND innerOwner = nullptr;
  bool hostEnabledInside = true;
  PostStep([&] {
    hostEnabledInside = ::IsWindowEnabled(host) != FALSE;
    TestDialog inner("inner", IDD_TEST_FIELDS);
    inner.onInit = [&innerOwner](TestDialog& dialog) {
      innerOwner = ::GetWindow(dialog.Handle(), GW_OWNER);
      PostStep([&dialog] { dialog.EndDialog(IDCANCEL); });
    };
    inner.DoModal(host);
    loop->End(7);
  });
  EXPECT_EQ(loop->Run(popup.Handle()), 7);
  EXPECT_EQ(ModalScope::CurrentModalWindow(), popup.Handle());
  EXPECT_FALSE(hostEnabledInside);
  EXPECT_EQ(innerOwner, popup.Handle());
  EXPECT_TRUE(::IsWindowEnabled(host));
  const std::vector<LoggedMessage> expected = {{"host", WM_ENABLE, FALSE},  {"popup", WM_SHOWWINDOW, TRUE},
                                               {"popup", WM_ENABLE, FALSE}, {"popup", WM_ENABLE, TRUE},
                                               {"host", WM_ENABLE, TRUE},   {"popup", WM_SHOWWINDOW, FALSE}};
  EXPECT_EQ(LoggedMessages({"host", "popup"}, {WM_ENABLE, WM_SHOWWINDOW}), expected);
  loop.reset();
  EXPECT_EQ(ModalScope::CurrentModalWindow(), nullptr);
}

// What a common dialog run saw: its owner, whether that was disabled meanwhile.
struct CommonDialogSeen {
  HWND dialog = nullptr;
  HWND owner = nullptr;
  bool ownerEnabled = true;
  // false when the button did not close it and the test had to.
  bool closedByButton = true;
};

// A visible dialog of this thread that the test did not make: the common dialog.
HWND FindCommonDialog(HWND host, HWND modal) {
  struct Search {
    HWND host;
    HWND modal;
    HWND found;
  } search{host, modal, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* state = reinterpret_cast<Search*>(data);
        if (window != state->host && window != state->modal && ::IsWindowVisible(window) &&
            e2e::ClassName(window) == "#32770") {
          state->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Calls check every 10 ms from a thread timer until it answers true. A timer fires only when the queue is
// empty, which is also when the dialog manager shows a new dialog: a chain of posted messages would keep
// the dialog from ever showing.
class TimerPoll {
 public:
  explicit TimerPoll(std::function<bool()> check) : check_(std::move(check)) {
    active_ = this;
    id_ = ::SetTimer(nullptr, 0, kPollStepMs, Tick);
  }
  ~TimerPoll() {
    Stop();
    active_ = nullptr;
  }
  TimerPoll(const TimerPoll&) = delete;
  TimerPoll& operator=(const TimerPoll&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ && active_->check_()) active_->Stop();
  }
  void Stop() {
    if (id_) ::KillTimer(nullptr, id_);
    id_ = 0;
  }

  static TimerPoll* active_;
  std::function<bool()> check_;
  UINT_PTR id_ = 0;
};
TimerPoll* TimerPoll::active_ = nullptr;

// Inside the common dialog's loop: waits for it to show, notes what it saw and presses button; cancels it
// when the button did not close it, so that no run is left hanging.
std::function<bool()> AnswerCommonDialog(HWND host, HWND modal, int button, CommonDialogSeen& seen) {
  const ULONGLONG findDeadline = ::GetTickCount64() + kFindWindowMs;
  ULONGLONG closeDeadline = 0;
  return [=, &seen]() mutable {
    if (!seen.dialog) {
      seen.dialog = FindCommonDialog(host, modal);
      if (!seen.dialog) return ::GetTickCount64() >= findDeadline;
      seen.owner = ::GetWindow(seen.dialog, GW_OWNER);
      seen.ownerEnabled = ::IsWindowEnabled(modal) != FALSE;
      e2e::PressDialogButton(seen.dialog, button);
      closeDeadline = ::GetTickCount64() + kCloseMs;
      return false;
    }
    if (!::IsWindow(seen.dialog)) return true;
    if (::GetTickCount64() < closeDeadline) return false;
    seen.closedByButton = false;
    e2e::PressDialogButton(seen.dialog, IDCANCEL);
    return true;
  };
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string OwnPath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

struct CommonDialogCase {
  const char* name;
  int button;
  // Runs the dialog with the given parent and answers its result as text; nullopt for none.
  std::function<std::optional<std::string>(HWND parent)> run;
  std::optional<std::string> expected;
};

TEST_F(ModalScopeTest, CommonDialogsAreOwnedByTheCurrentModalWindow) {
  const CommonDialogCase cases[] = {
      {"colour, OK: the initial colour", IDOK,
       [](HWND parent) -> std::optional<std::string> {
         CustomColours custom{};
         const std::optional<COLORREF> colour = ChooseColour(parent, RGB(255, 0, 0), custom);
         if (!colour) return std::nullopt;
         return std::to_string(*colour);
       },
       std::to_string(RGB(255, 0, 0))},
      {"colour, Cancel: none", IDCANCEL,
       [](HWND parent) -> std::optional<std::string> {
         CustomColours custom{};
         const std::optional<COLORREF> colour = ChooseColour(parent, RGB(255, 0, 0), custom);
         if (!colour) return std::nullopt;
         return std::to_string(*colour);
       },
       std::nullopt},
      {"file, OK on an existing file: its path", IDOK,
       [](HWND parent) {
         FileOpenRequest request;
         request.title = "Open";
         request.filters = {{"Programs", "*.exe"}, {"All files", "*.*"}};
         request.initialFile = OwnPath();
         return ChooseFileToOpen(parent, request);
       },
       OwnPath()},
      {"file, Cancel: none", IDCANCEL,
       [](HWND parent) {
         FileOpenRequest request;
         request.filters = {{"All files", "*.*"}};
         return ChooseFileToOpen(parent, request);
       },
       std::nullopt},
  };
  for (const CommonDialogCase& row : cases) {
    SCOPED_TRACE(row.name);
    CommonDialogSeen seen;
    std::optional<std::string> result;
    bool modalEnabledAfter = false;
    HWND modalWindow = nullptr;
    std::optional<TimerPoll> answer;
    TestDialog modal("modal", IDD_TEST_FIELDS);
    modal.onInit = [&](TestDialog& dialog) {
      modalWindow = dialog.Handle();
      answer.emplace(AnswerCommonDialog(Host().Handle(), modalWindow, row.button, seen));
      PostStep([&] {
        // Given the host, as a handler that knows only the panel would.
        result = row.run(Host().Handle());
        modalEnabledAfter = ::IsWindowEnabled(modalWindow) != FALSE;
        answer.reset();
        dialog.EndDialog(IDCANCEL);
      });
    };
    modal.DoModal(Host().Handle());
    ASSERT_NE(seen.dialog, nullptr) << "no common dialog showed";
    EXPECT_TRUE(seen.closedByButton);
    EXPECT_EQ(seen.owner, modalWindow);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(modalEnabledAfter);
    ASSERT_EQ(result.has_value(), row.expected.has_value());
    if (result) {
      EXPECT_EQ(Lower(*result), Lower(*row.expected));
    }
  }
}

}  // namespace
}  // namespace qiv::test
