// The hook library's lock counter for tests, counting raises and lowers that were not in pairs.
#pragma once

#include <cstdint>

#include "platform/HookLock.h"

namespace qiv {

class FakeHookLock final : public HookLock {
 public:
  void Raise() override {
    ++count_;
    ++raises_;
  }
  void Lower() override {
    if (--count_ < 0) ++underflows_;
  }
  std::int32_t Count() override { return count_; }

  int Raises() const { return raises_; }
  // Lowers below zero: a lower without its raise.
  int Underflows() const { return underflows_; }

 private:
  std::int32_t count_ = 0;
  int raises_ = 0;
  int underflows_ = 0;
};

}  // namespace qiv
