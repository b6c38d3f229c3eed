// The record the test windows keep of the messages they get, in the order of all of them together.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace qiv::test {

// Calls of framework virtuals and answers of the test, logged beside the messages.
constexpr UINT kFinalMessageCall = WM_APP + 0x3F00;
constexpr UINT kDrawItemCall = WM_APP + 0x3F01;
constexpr UINT kClickedCall = WM_APP + 0x3F02;
constexpr UINT kHelpCall = WM_APP + 0x3F03;
constexpr UINT kMessageBoxShown = WM_APP + 0x3F04;

// A message that a window got: who (the test's name for the window), the message and, for WM_NOTIFY, the
// notification code; for WM_ENABLE, WM_SHOWWINDOW and WM_COMMAND, wParam's low word.
struct LoggedMessage {
  std::string window;
  UINT message = 0;
  UINT detail = 0;
  bool operator==(const LoggedMessage& other) const {
    return window == other.window && message == other.message && detail == other.detail;
  }
};
void PrintTo(const LoggedMessage& entry, std::ostream* out);

void ClearMessageLog();
// Thread-safe, so that the test's message-box thread can log what it sees.
void LogMessage(const std::string& window, UINT message, UINT detail = 0);
// The entries of the windows named, of the messages given (every message when none are given), in order.
std::vector<LoggedMessage> LoggedMessages(std::initializer_list<const char*> windows,
                                          std::initializer_list<UINT> messages = {});

}  // namespace qiv::test
