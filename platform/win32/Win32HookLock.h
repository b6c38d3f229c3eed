// The hook library's lock counter, through its exports.
#pragma once

#include "platform/HookLock.h"

namespace qiv {

class Win32HookLock final : public HookLock {
 public:
  void Raise() override;
  void Lower() override;
  std::int32_t Count() override;
};

}  // namespace qiv
