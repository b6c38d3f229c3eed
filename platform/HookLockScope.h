// Raises the hook lock for as long as it lives, so that raises and lowers always come in nested pairs.
#pragma once

#include "platform/HookLock.h"

namespace qiv {

class HookLockScope {
 public:
  explicit HookLockScope(HookLock& lock) : lock_(lock) { lock_.Raise(); }
  ~HookLockScope() { lock_.Lower(); }
  HookLockScope(const HookLockScope&) = delete;
  HookLockScope& operator=(const HookLockScope&) = delete;

 private:
  HookLock& lock_;
};

}  // namespace qiv
