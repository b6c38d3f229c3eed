// Binding objects to windows: the first message an object sees, and what destruction leaves behind.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "tests/framework/FrameworkFixture.h"
#include "tests/framework/FrameworkTestIds.h"

namespace qiv::test {
namespace {

using WindowBindingTest = FrameworkTest;

struct FirstMessagesCase {
  const char* name;
  // Creates the window logged as "object" and answers its handle.
  std::function<HWND(HWND host, std::unique_ptr<Window>& object)> create;
  std::vector<UINT> firstMessages;
};

TEST_F(WindowBindingTest, ObjectSeesItsWindowsFirstMessages) {
  const FirstMessagesCase cases[] = {
      {"overlapped window: WM_GETMINMAXINFO comes before WM_NCCREATE",
       [](HWND, std::unique_ptr<Window>& object) {
         auto window = std::make_unique<TestWindow>("object");
         window->Create(WS_OVERLAPPEDWINDOW);
         const HWND handle = window->Handle();
         object = std::move(window);
         return handle;
       },
       {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}},
      {"child window",
       [](HWND host, std::unique_ptr<Window>& object) {
         auto window = std::make_unique<TestWindow>("object");
         window->Create(WS_CHILD, host);
         const HWND handle = window->Handle();
         object = std::move(window);
         return handle;
       },
       {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}},
      {"dialog with a font: the dialog procedure's first message is WM_SETFONT",
       [](HWND host, std::unique_ptr<Window>& object) {
         auto dialog = std::make_unique<TestDialog>("object", IDD_TEST_FIELDS);
         dialog->Create(host);
         const HWND handle = dialog->Handle();
         object = std::move(dialog);
         return handle;
       },
       {WM_SETFONT, WM_INITDIALOG}},
      {"dialog without a font",
       [](HWND host, std::unique_ptr<Window>& object) {
         auto dialog = std::make_unique<TestDialog>("object", IDD_TEST_NO_FONT);
         dialog->Create(host);
         const HWND handle = dialog->Handle();
         object = std::move(dialog);
         return handle;
       },
       {WM_INITDIALOG}},
  };
  for (const FirstMessagesCase& row : cases) {
    SCOPED_TRACE(row.name);
    ClearMessageLog();
    std::unique_ptr<Window> object;
    const HWND window = row.create(Host().Handle(), object);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Window::FromHandle(window), object.get());
    std::vector<LoggedMessage> expected;
    for (UINT message : row.firstMessages) expected.push_back({"object", message, 0});
    std::vector<LoggedMessage> logged = LoggedMessages({"object"});
    logged.resize(std::min(logged.size(), expected.size()));
    EXPECT_EQ(logged, expected);
  }
}

struct DestructionCase {
  const char* name;
  // Ends the window or the object; the window is the object's.
  std::function<void(std::unique_ptr<TestWindow>& object)> end;
  std::vector<LoggedMessage> lastMessages;
};

TEST_F(WindowBindingTest, DestructionUnbindsAndKillsTheToken) {
  const DestructionCase cases[] = {
      {"window destroyed: unbound at WM_NCDESTROY, then OnFinalMessage",
       [](std::unique_ptr<TestWindow>& object) { ::DestroyWindow(object->Handle()); },
       {{"object", WM_DESTROY, 0}, {"object", WM_NCDESTROY, 0}, {"object", kFinalMessageCall, 0}}},
      {"parent destroyed",
       [](std::unique_ptr<TestWindow>& object) { ::DestroyWindow(::GetParent(object->Handle())); },
       {{"object", WM_DESTROY, 0}, {"object", WM_NCDESTROY, 0}, {"object", kFinalMessageCall, 0}}},
      {"object deleted: unbound before its window goes, which then reaches nobody",
       [](std::unique_ptr<TestWindow>& object) { object.reset(); },
       {}},
  };
  for (const DestructionCase& row : cases) {
    SCOPED_TRACE(row.name);
    TestWindow parent("parent");
    ASSERT_TRUE(parent.Create(WS_OVERLAPPEDWINDOW));
    auto object = std::make_unique<TestWindow>("object");
    ASSERT_TRUE(object->Create(WS_CHILD | WS_VISIBLE, parent.Handle()));
    const HWND window = object->Handle();
    const WindowToken token = object->Token();
    ASSERT_TRUE(token.Alive());
    ClearMessageLog();
    row.end(object);
    EXPECT_FALSE(token.Alive());
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Window::FromHandle(window), nullptr);
    if (object) {
      EXPECT_EQ(object->Handle(), nullptr);
    }
    EXPECT_EQ(LoggedMessages({"object"}, {WM_DESTROY, WM_NCDESTROY, kFinalMessageCall}), row.lastMessages);
  }
}

TEST_F(WindowBindingTest, SubclassedControlUnbindsAtItsDestruction) {
  TestDialog dialog("dialog", IDD_TEST_FIELDS);
  ASSERT_TRUE(dialog.Create(Host().Handle()));
  TestStatic label("label");
  ASSERT_TRUE(label.Subclass(dialog.DlgItem(IDC_TEST_LABEL)));
  const HWND labelWindow = label.Handle();
  const WindowToken token = label.Token();
  ASSERT_TRUE(token.Alive());
  ClearMessageLog();
  ::DestroyWindow(dialog.Handle());
  EXPECT_FALSE(token.Alive());
  EXPECT_EQ(label.Handle(), nullptr);
  EXPECT_EQ(Window::FromHandle(labelWindow), nullptr);
  const std::vector<LoggedMessage> expected = {{"label", WM_DESTROY, 0}, {"label", WM_NCDESTROY, 0}};
  EXPECT_EQ(LoggedMessages({"label"}, {WM_DESTROY, WM_NCDESTROY}), expected);
  // A new binding of the same object hands out a new, living token; the old one stays dead.
  TestDialog second("second", IDD_TEST_FIELDS);
  ASSERT_TRUE(second.Create(Host().Handle()));
  ASSERT_TRUE(label.Subclass(second.DlgItem(IDC_TEST_LABEL)));
  EXPECT_TRUE(label.Token().Alive());
  EXPECT_FALSE(token.Alive());
}

}  // namespace
}  // namespace qiv::test
