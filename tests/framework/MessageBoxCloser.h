// Answers the message boxes that the code under test opens on the test's thread, from a thread of its own.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qiv::test {

// While it lives (at most timeoutMs), every message box of this process with the program's caption is
// logged under "message box" (kMessageBoxShown), its text kept, whenShown run (on the closer's thread,
// while the box is up) and its OK pressed.
class MessageBoxCloser {
 public:
  explicit MessageBoxCloser(std::function<void()> whenShown = {}, unsigned timeoutMs = 10000);
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  std::vector<std::string> Texts() const;

 private:
  void Watch(unsigned timeoutMs);

  std::function<void()> whenShown_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread thread_;
};

}  // namespace qiv::test
