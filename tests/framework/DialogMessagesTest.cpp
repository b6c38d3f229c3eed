// How a dialog's messages travel: reflection to the child's map first, and each answer through the channel
// the dialog manager reads it from.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/GdiObjects.h"
#include "tests/framework/FrameworkFixture.h"
#include "tests/framework/FrameworkTestIds.h"

namespace qiv::test {
namespace {

using DialogMessagesTest = FrameworkTest;

// A value no handler answers, left in DWLP_MSGRESULT before a message to see whether the answer went there.
constexpr LONG_PTR kUntouchedResult = 0x5A5A;

struct ReflectionCase {
  const char* name;
  bool buttonTakesClick;
  // What the test does to the button.
  void (*act)(HWND button);
  std::vector<UINT> watched;
  std::vector<LoggedMessage> expected;
};

void Click(HWND button) { ::SendMessageA(button, BM_CLICK, 0, 0); }
void Repaint(HWND button) { ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

TEST_F(DialogMessagesTest, ReflectionReachesTheChildsMapFirst) {
  const ReflectionCase cases[] = {
      {"click the button takes: the dialog never sees it",
       true,
       Click,
       {kClickedCall, WM_COMMAND},
       {{"button", kClickedCall, 0}}},
      {"click the button leaves: the dialog's map gets it next",
       false,
       Click,
       {kClickedCall, WM_COMMAND},
       {{"button", kClickedCall, 0}, {"dialog", WM_COMMAND, IDC_TEST_BUTTON}}},
      {"paint: WM_DRAWITEM reaches the button's DrawItem, not the dialog",
       false,
       Repaint,
       {kDrawItemCall, WM_DRAWITEM},
       {{"button", kDrawItemCall, 0}}},
  };
  for (const ReflectionCase& row : cases) {
    SCOPED_TRACE(row.name);
    TestDialog dialog("dialog", IDD_TEST_FIELDS);
    ASSERT_TRUE(dialog.Create(Host().Handle()));
    ::ShowWindow(dialog.Handle(), SW_SHOW);
    TestButton button("button");
    ASSERT_TRUE(button.SubclassDlgItem(dialog.Handle(), IDC_TEST_BUTTON));
    button.takesClick = row.buttonTakesClick;
    EXPECT_EQ(::GetWindowLongPtrA(button.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    ::UpdateWindow(dialog.Handle());
    ClearMessageLog();
    row.act(button.Handle());
    std::vector<LoggedMessage> logged;
    for (const LoggedMessage& entry : LoggedMessages({"button", "dialog"})) {
      // The edit that loses the focus to the clicked button notifies too.
      if (entry.message == WM_COMMAND && entry.detail != IDC_TEST_BUTTON) continue;
      if (std::find(row.watched.begin(), row.watched.end(), entry.message) != row.watched.end()) {
        logged.push_back(entry);
      }
    }
    EXPECT_EQ(logged, row.expected);
    ::DestroyWindow(dialog.Handle());
  }
}

struct AnswerCase {
  const char* name;
  UINT message;
  // Who answers: the dialog's own map, or the label's through reflection.
  std::optional<HBRUSH> dialogColour;
  std::optional<HBRUSH> labelColour;
  std::optional<LRESULT> dialogNotify;
  // What SendMessage to the dialog returns, and what DWLP_MSGRESULT then holds.
  LRESULT expectedReturn;
  LONG_PTR expectedMessageResult;
};

TEST_F(DialogMessagesTest, AnswersTravelByTheirChannel) {
  const auto gray = reinterpret_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  const auto black = reinterpret_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  const AnswerCase cases[] = {
      {"WM_CTLCOLORSTATIC answered by the dialog: the brush is the procedure's return value", WM_CTLCOLORSTATIC, gray,
       std::nullopt, std::nullopt, reinterpret_cast<LRESULT>(gray), kUntouchedResult},
      {"WM_CTLCOLORSTATIC answered by the control: reflected, and still the return value", WM_CTLCOLORSTATIC, gray,
       black, std::nullopt, reinterpret_cast<LRESULT>(black), kUntouchedResult},
      {"WM_NOTIFY answered by the dialog: through DWLP_MSGRESULT", WM_NOTIFY, std::nullopt, std::nullopt, 42, 42, 42},
  };
  for (const AnswerCase& row : cases) {
    SCOPED_TRACE(row.name);
    TestDialog dialog("dialog", IDD_TEST_FIELDS);
    dialog.colourAnswer = row.dialogColour;
    dialog.notifyAnswer = row.dialogNotify;
    ASSERT_TRUE(dialog.Create(Host().Handle()));
    TestStatic label("label");
    label.colourAnswer = row.labelColour;
    ASSERT_TRUE(label.Subclass(dialog.DlgItem(IDC_TEST_LABEL)));
    ::SetWindowLongPtrA(dialog.Handle(), DWLP_MSGRESULT, kUntouchedResult);
    LRESULT answer;
    if (row.message == WM_NOTIFY) {
      NMHDR header{label.Handle(), IDC_TEST_LABEL, static_cast<UINT>(NM_CLICK)};
      answer = ::SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_TEST_LABEL, reinterpret_cast<LPARAM>(&header));
    } else {
      const UniqueWindowDc dc = GetWindowDc(label.Handle());
      answer = ::SendMessageA(dialog.Handle(), row.message, reinterpret_cast<WPARAM>(dc.Get()),
                              reinterpret_cast<LPARAM>(label.Handle()));
    }
    EXPECT_EQ(answer, row.expectedReturn);
    EXPECT_EQ(::GetWindowLongPtrA(dialog.Handle(), DWLP_MSGRESULT), row.expectedMessageResult);
    ::DestroyWindow(dialog.Handle());
  }
}

}  // namespace
}  // namespace qiv::test
