// Answers the message boxes that the code under test opens on the test's thread, from a thread of its own.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "framework/UniqueHandle.h"

namespace qiv::test {

// While it lives (at most timeoutMs), every message box of this process with the program's caption is
// logged under "message box" (kMessageBoxShown), its text kept, whenShown run (on the closer's thread,
// while the box is up) and its OK pressed. Reading a window's text from another thread of the process sends
// WM_GETTEXT to the window's thread, so the test's thread answers sent messages while it waits for the end.
class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(std::function<void()> whenShown = {}, unsigned timeoutMs = 10000);
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  std::vector<std::string> Texts() const;

 private:
  static DWORD WINAPI ThreadProc(void* closer);
  void Watch();

  std::function<void()> whenShown_;
  unsigned timeoutMs_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
  UniqueKernelHandle thread_;
};

}  // namespace qiv::test
