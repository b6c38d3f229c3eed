// A journal for tests that holds the windows recorded as taken off the desktop.
#pragma once

#include <set>

#include "platform/OffDesktopJournal.h"

namespace qiv {

class FakeOffDesktopJournal final : public OffDesktopJournal {
 public:
  void Add(WindowHandle window) override { windows_.insert(window); }
  void Remove(WindowHandle window) override { windows_.erase(window); }
  void Flush() override { ++flushes_; }

  const std::set<WindowHandle>& Windows() const { return windows_; }
  int Flushes() const { return flushes_; }

 private:
  std::set<WindowHandle> windows_;
  int flushes_ = 0;
};

}  // namespace qiv
