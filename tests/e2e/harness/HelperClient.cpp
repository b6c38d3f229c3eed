// The test's side of the helper program.
#include "tests/e2e/harness/HelperClient.h"

#include "tests/e2e/harness/Wait.h"
#include "tests/e2e/harness/WindowQueries.h"
#include "tests/e2e/helper/HelperProtocol.h"

#include <cstdio>
#include <sstream>

namespace qiv::e2e {

bool HelperClient::Start() {
  // The first program of a fresh Wine prefix can take seconds to start on a busy machine, and now and then it
  // never shows its window at all: a second copy then starts as quickly as usual.
  constexpr unsigned kStartMs[] = {10000, 15000};
  for (const unsigned bound : kStartMs) {
    if (!process_.Start(BinaryDirectory() + "E2EHelper.exe")) return false;
    if (WaitForControlWindow(bound)) return true;
    std::fprintf(stderr, "[helper] no control window after %u ms; starting it again\n", bound);
  }
  return false;
}

bool HelperClient::WaitForControlWindow(unsigned timeoutMs) {
  return PollUntil(
      [this] {
        for (HWND window = ::FindWindowExA(HWND_MESSAGE, nullptr, kControlClass, nullptr); window != nullptr;
             window = ::FindWindowExA(HWND_MESSAGE, window, kControlClass, nullptr)) {
          if (WindowProcessId(window) == process_.Id()) {
            control_ = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
}

LRESULT HelperClient::Command(const std::string& command) {
  COPYDATASTRUCT data = {};
  data.dwData = kCommandData;
  data.cbData = static_cast<DWORD>(command.size());
  data.lpData = const_cast<char*>(command.data());
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(control_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000,
                             &result)) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

HWND HelperClient::Open(const std::string& fields) { return reinterpret_cast<HWND>(Command("open|" + fields)); }

bool HelperClient::Focus(HWND window) {
  std::ostringstream command;
  command << "focus|hwnd=" << reinterpret_cast<ULONG_PTR>(window);
  return Command(command.str()) != 0;
}

::testing::AssertionResult HelperClient::BringToForeground(HWND window) {
  return Eventually("the helper's window in the foreground",
                    [&] { return ::GetForegroundWindow() == window || (Focus(window) && false); });
}

LRESULT HelperClient::KeyDownCount(HWND window, WPARAM key) {
  DWORD_PTR count = 0;
  ::SendMessageTimeoutA(window, kMsgKeyDownCount, key, 0, SMTO_ABORTIFHUNG, 1000, &count);
  return static_cast<LRESULT>(count);
}

LONGLONG HelperClient::LastKeyDownTicks(HWND window, WPARAM key) {
  DWORD_PTR ticks = 0;
  ::SendMessageTimeoutA(window, kMsgLastKeyDownTicks, key, 0, SMTO_ABORTIFHUNG, 1000, &ticks);
  return static_cast<LONGLONG>(ticks);
}

}  // namespace qiv::e2e
