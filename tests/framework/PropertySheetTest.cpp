// Property pages: the PSN_ answers, kill-activation without exchange, a refused value on a hidden page, and
// the ownership of a dialog opened from a page of a modal sheet.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <vector>

#include "tests/framework/FrameworkFixture.h"
#include "tests/framework/FrameworkTestIds.h"
#include "tests/framework/MessageBoxCloser.h"

namespace qiv::test {
namespace {

using PropertySheetTest = FrameworkTest;

constexpr DWORD kChildSheetStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | DS_CONTROL | DS_3DLOOK;

// The entries of the windows named whose message, or for WM_NOTIFY whose code, is one of those given.
std::vector<LoggedMessage> Watched(std::initializer_list<const char*> windows, const std::vector<UINT>& messages,
                                   const std::vector<UINT>& notifyCodes) {
  std::vector<LoggedMessage> selected;
  for (const LoggedMessage& entry : LoggedMessages(windows)) {
    const std::vector<UINT>& list = entry.message == WM_NOTIFY ? notifyCodes : messages;
    const UINT key = entry.message == WM_NOTIFY ? entry.detail : entry.message;
    if (std::find(list.begin(), list.end(), key) != list.end()) selected.push_back(entry);
  }
  return selected;
}

struct NotifyCase {
  const char* name;
  UINT code;
  std::function<void(TestPage&)> prepare;
  LRESULT expected;
  // A value no integer field takes stands in the page's field; no message may show for it.
  std::vector<LoggedMessage> expectedCalls;
};

TEST_F(PropertySheetTest, NotificationsBecomeVirtualsAndTheirAnswers) {
  int badValue = 0;
  const auto exchangeBadValue = [&badValue](TestPage& page) {
    page.exchange = [&badValue](DataExchange& dx) { dx.ExchangeInteger(IDC_TEST_FIRST, badValue, 1, 10); };
  };
  const NotifyCase cases[] = {
      {"PSN_SETACTIVE default: 0 lets the page be shown", static_cast<UINT>(PSN_SETACTIVE), nullptr, 0, {}},
      {"PSN_SETACTIVE refused: -1",
       static_cast<UINT>(PSN_SETACTIVE),
       [](TestPage& page) { page.setActiveAnswer = false; },
       -1,
       {}},
      {"PSN_KILLACTIVE default: FALSE lets the page go without exchange, though a value is bad",
       static_cast<UINT>(PSN_KILLACTIVE),
       exchangeBadValue,
       FALSE,
       {}},
      {"PSN_KILLACTIVE held: TRUE keeps the page",
       static_cast<UINT>(PSN_KILLACTIVE),
       [](TestPage& page) { page.killActiveAnswer = false; },
       TRUE,
       {}},
      {"PSN_APPLY default: PSNRET_NOERROR", static_cast<UINT>(PSN_APPLY), nullptr, PSNRET_NOERROR, {}},
      {"PSN_APPLY refused: PSNRET_INVALID_NOCHANGEPAGE",
       static_cast<UINT>(PSN_APPLY),
       [](TestPage& page) { page.onApply = [](TestPage&) { return false; }; },
       PSNRET_INVALID_NOCHANGEPAGE,
       {}},
      {"PSN_QUERYCANCEL default: FALSE allows the cancel", static_cast<UINT>(PSN_QUERYCANCEL), nullptr, FALSE, {}},
      {"PSN_QUERYCANCEL refused: TRUE prevents it",
       static_cast<UINT>(PSN_QUERYCANCEL),
       [](TestPage& page) { page.queryCancelAnswer = false; },
       TRUE,
       {}},
      {"PSN_HELP: OnHelp, answer 0", static_cast<UINT>(PSN_HELP), nullptr, 0, {{"page", kHelpCall, 0}}},
  };
  for (const NotifyCase& row : cases) {
    SCOPED_TRACE(row.name);
    TestPage page("page");
    if (row.prepare) row.prepare(page);
    TestSheet sheet("sheet");
    sheet.AddPage(page);
    ASSERT_TRUE(sheet.CreateChild(Host().Handle(), kChildSheetStyle, WS_EX_CONTROLPARENT));
    ASSERT_NE(page.Handle(), nullptr);
    ::SetDlgItemTextA(page.Handle(), IDC_TEST_FIRST, "not a number");
    ClearMessageLog();
    LRESULT answer;
    std::vector<std::string> texts;
    {
      MessageBoxCloser closer;
      PSHNOTIFY notify{{sheet.Handle(), 0, row.code}, 0};
      answer = ::SendMessageA(page.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
      texts = closer.Texts();
    }
    EXPECT_EQ(answer, row.expected);
    EXPECT_EQ(::GetWindowLongPtrA(page.Handle(), DWLP_MSGRESULT), row.expected);
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(LoggedMessages({"page"}, {kHelpCall}), row.expectedCalls);
    ::DestroyWindow(sheet.Handle());
  }
}

TEST_F(PropertySheetTest, RefusedValueOnAHiddenPageBringsItToTheFrontFirst) {
  int value = 0;
  TestPage first("first");
  TestPage second("second");
  second.exchange = [&value](DataExchange& dx) { dx.ExchangeInteger(IDC_TEST_FIRST, value, 1, 10); };
  second.onApply = [](TestPage& page) { return page.UpdateData(true); };
  TestSheet sheet("sheet");
  sheet.AddPage(first);
  sheet.AddPage(second);
  ASSERT_TRUE(sheet.CreateChild(Host().Handle(), kChildSheetStyle, WS_EX_CONTROLPARENT));
  ASSERT_TRUE(sheet.SetActivePage(1));
  ::SetDlgItemTextA(second.Handle(), IDC_TEST_FIRST, "11");
  ASSERT_TRUE(sheet.SetActivePage(0));
  ASSERT_FALSE(::IsWindowVisible(second.Handle()));
  ClearMessageLog();
  std::atomic<bool> visibleWhileTold{false};
  std::vector<std::string> texts;
  {
    MessageBoxCloser closer([&] { visibleWhileTold = ::IsWindowVisible(second.Handle()) != FALSE; });
    // The sheet's Apply: PSN_KILLACTIVE to the page shown, then PSN_APPLY to every page.
    EXPECT_FALSE(sheet.Send(PSM_APPLY));
    texts = closer.Texts();
  }
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(visibleWhileTold);
  const std::vector<LoggedMessage> expected = {
      {"first", WM_NOTIFY, static_cast<UINT>(PSN_KILLACTIVE)},
      {"first", WM_NOTIFY, static_cast<UINT>(PSN_APPLY)},
      {"second", WM_NOTIFY, static_cast<UINT>(PSN_APPLY)},
      // Brought to the front: the page shown is asked to go, which it does without exchange.
      {"first", WM_NOTIFY, static_cast<UINT>(PSN_KILLACTIVE)},
      {"second", WM_NOTIFY, static_cast<UINT>(PSN_SETACTIVE)},
      {"message box", kMessageBoxShown, 0},
      {"second", WM_NEXTDLGCTL, 0}};
  EXPECT_EQ(
      Watched({"first", "second", "message box"}, {kMessageBoxShown, WM_NEXTDLGCTL},
              {static_cast<UINT>(PSN_KILLACTIVE), static_cast<UINT>(PSN_APPLY), static_cast<UINT>(PSN_SETACTIVE)}),
      expected);
  EXPECT_EQ(PropSheet_GetCurrentPageHwnd(sheet.Handle()), second.Handle());
  EXPECT_EQ(::GetFocus(), second.DlgItem(IDC_TEST_FIRST));
  EXPECT_EQ(value, 0);
  ::DestroyWindow(sheet.Handle());
}

TEST_F(PropertySheetTest, DialogFromAModalSheetsPageIsOwnedByTheSheet) {
  const HWND host = Host().Handle();
  TestPage page("page");
  TestSheet sheet("sheet");
  sheet.AddPage(page);
  HWND innerOwner = nullptr;
  HWND sheetWindow = nullptr;
  bool sheetEnabledAfterInner = false;
  page.onInit = [&](TestPage&) {
    PostStep([&] {
      sheetWindow = sheet.Handle();
      TestDialog inner("inner", IDD_TEST_FIELDS);
      inner.onInit = [&](TestDialog& dialog) {
        innerOwner = ::GetWindow(dialog.Handle(), GW_OWNER);
        PostStep([&dialog] { dialog.EndDialog(IDCANCEL); });
      };
      // Given the host, as a page handler that knows only the panel would.
      inner.DoModal(host);
      sheetEnabledAfterInner = ::IsWindowEnabled(sheetWindow) != FALSE;
      PropSheet_PressButton(sheetWindow, PSBTN_CANCEL);
    });
  };
  EXPECT_EQ(sheet.DoModal(host), 0);
  ASSERT_NE(sheetWindow, nullptr);
  EXPECT_EQ(innerOwner, sheetWindow);
  EXPECT_TRUE(sheetEnabledAfterInner);
  EXPECT_TRUE(::IsWindowEnabled(host));
  // The host stays disabled while the dialog runs and is enabled before the sheet goes.
  const std::vector<LoggedMessage> expected = {{"host", WM_ENABLE, FALSE}, {"sheet", WM_ENABLE, FALSE},
                                               {"sheet", WM_ENABLE, TRUE}, {"host", WM_ENABLE, TRUE},
                                               {"sheet", WM_DESTROY, 0},   {"page", WM_DESTROY, 0}};
  EXPECT_EQ(LoggedMessages({"host", "sheet", "page"}, {WM_ENABLE, WM_DESTROY}), expected);
}

}  // namespace
}  // namespace qiv::test
