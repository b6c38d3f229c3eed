// Data exchange: a refused value is told, gets the focus, and stops the exchange; the slider, hot-key and
// colour lines carry their values both ways.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/DataExchange.h"
#include "tests/framework/FrameworkFixture.h"
#include "tests/framework/FrameworkTestIds.h"
#include "tests/framework/MessageBoxCloser.h"

namespace qiv::test {
namespace {

using DataExchangeTest = FrameworkTest;

struct Fields {
  int first = -1;
  int second = -1;
  bool third = false;
};

struct RefusalCase {
  const char* name;
  const char* firstText;
  const char* secondText;
  bool saved;
  // Part of the message shown; null when none may show.
  const char* message;
  int focusId;
  Fields expected;
};

TEST_F(DataExchangeTest, RefusedValueIsToldThenFocusedAndEndsTheExchange) {
  const RefusalCase cases[] = {
      {"every value good", "5", "7", true, nullptr, 0, {5, 7, true}},
      {"second out of range: first saved, third skipped",
       "5",
       "11",
       false,
       "between 1 and 10",
       IDC_TEST_SECOND,
       {5, -1, false}},
      {"first no integer: nothing saved", "x", "7", false, "Please enter an integer", IDC_TEST_FIRST, {-1, -1, false}},
  };
  for (const RefusalCase& row : cases) {
    SCOPED_TRACE(row.name);
    Fields fields;
    TestDialog dialog("dialog", IDD_TEST_FIELDS);
    dialog.exchange = [&fields](DataExchange& dx) {
      dx.ExchangeInteger(IDC_TEST_FIRST, fields.first);
      dx.ExchangeInteger(IDC_TEST_SECOND, fields.second, 1, 10);
      dx.ExchangeCheck(IDC_TEST_THIRD, fields.third);
    };
    ASSERT_TRUE(dialog.Create(Host().Handle()));
    ::ShowWindow(dialog.Handle(), SW_SHOW);
    ::SetDlgItemTextA(dialog.Handle(), IDC_TEST_FIRST, row.firstText);
    ::SetDlgItemTextA(dialog.Handle(), IDC_TEST_SECOND, row.secondText);
    ::CheckDlgButton(dialog.Handle(), IDC_TEST_THIRD, BST_CHECKED);
    ::SetFocus(dialog.DlgItem(IDC_TEST_THIRD));
    ClearMessageLog();
    bool saved;
    std::vector<std::string> texts;
    {
      MessageBoxCloser closer;
      saved = dialog.UpdateData(true);
      texts = closer.Texts();
    }
    EXPECT_EQ(saved, row.saved);
    EXPECT_EQ(fields.first, row.expected.first);
    EXPECT_EQ(fields.second, row.expected.second);
    EXPECT_EQ(fields.third, row.expected.third);
    const std::vector<LoggedMessage> logged =
        LoggedMessages({"dialog", "message box"}, {WM_ENABLE, kMessageBoxShown, WM_NEXTDLGCTL});
    if (row.message) {
      ASSERT_EQ(texts.size(), 1u);
      EXPECT_NE(texts[0].find(row.message), std::string::npos) << texts[0];
      // The box disables its owner, the dialog, and is answered; only then the focus moves.
      const std::vector<LoggedMessage> expected = {{"dialog", WM_ENABLE, FALSE},
                                                   {"message box", kMessageBoxShown, 0},
                                                   {"dialog", WM_ENABLE, TRUE},
                                                   {"dialog", WM_NEXTDLGCTL, 0}};
      EXPECT_EQ(logged, expected);
      EXPECT_EQ(::GetFocus(), dialog.DlgItem(row.focusId));
    } else {
      EXPECT_TRUE(texts.empty());
      EXPECT_TRUE(logged.empty());
    }
    ::DestroyWindow(dialog.Handle());
  }
}

struct ControlValues {
  int slider = 0;
  HotKeyValue hotKey;
  COLORREF colour = 0;
};

struct RoundTripCase {
  const char* name;
  int min;
  int max;
  ControlValues loaded;
  // What the controls hold and what saving reads back.
  ControlValues expected;
};

TEST_F(DataExchangeTest, SliderHotKeyAndColourRoundTrip) {
  const RoundTripCase cases[] = {
      {"values inside the range",
       0,
       20,
       {7, {'Q', HOTKEYF_CONTROL | HOTKEYF_ALT}, RGB(1, 2, 3)},
       {7, {'Q', HOTKEYF_CONTROL | HOTKEYF_ALT}, RGB(1, 2, 3)}},
      {"slider above its range goes to the top",
       0,
       20,
       {50, {VK_F5, HOTKEYF_SHIFT}, RGB(255, 255, 255)},
       {20, {VK_F5, HOTKEYF_SHIFT}, RGB(255, 255, 255)}},
      {"slider below its range goes to the bottom, no hot key",
       5,
       9,
       {-3, {0, 0}, RGB(0, 0, 0)},
       {5, {0, 0}, RGB(0, 0, 0)}},
  };
  for (const RoundTripCase& row : cases) {
    SCOPED_TRACE(row.name);
    ControlValues values = row.loaded;
    HeldColour colourButton;
    TestDialog dialog("dialog", IDD_TEST_FIELDS);
    dialog.exchange = [&](DataExchange& dx) {
      dx.ExchangeTrackbar(IDC_TEST_SLIDER, values.slider, row.min, row.max);
      dx.ExchangeHotKey(IDC_TEST_HOTKEY, values.hotKey);
      dx.ExchangeColour(colourButton, values.colour);
    };
    // Creation loads the members into the controls.
    ASSERT_TRUE(dialog.Create(Host().Handle()));
    const HWND slider = dialog.DlgItem(IDC_TEST_SLIDER);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), row.min);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), row.max);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETPOS, 0, 0), row.expected.slider);
    EXPECT_EQ(::SendMessageA(dialog.DlgItem(IDC_TEST_HOTKEY), HKM_GETHOTKEY, 0, 0),
              MAKEWORD(row.expected.hotKey.virtualKey, row.expected.hotKey.modifiers));
    EXPECT_EQ(colourButton.Colour(), row.expected.colour);
    values = ControlValues{-100, {1, 1}, RGB(9, 9, 9)};
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(values.slider, row.expected.slider);
    EXPECT_EQ(values.hotKey.virtualKey, row.expected.hotKey.virtualKey);
    EXPECT_EQ(values.hotKey.modifiers, row.expected.hotKey.modifiers);
    EXPECT_EQ(values.colour, row.expected.colour);
    ::DestroyWindow(dialog.Handle());
  }
}

}  // namespace
}  // namespace qiv::test
