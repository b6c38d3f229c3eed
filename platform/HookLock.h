// The hook library's lock counter, shared by every process: its reports are silent while it is not zero.
#pragma once

#include <cstdint>

namespace qiv {

class HookLock {
 public:
  virtual ~HookLock() = default;

  virtual void Raise() = 0;
  virtual void Lower() = 0;
  virtual std::int32_t Count() = 0;
};

}  // namespace qiv
