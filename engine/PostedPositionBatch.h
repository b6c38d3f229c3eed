// A position batch whose entries take effect one by one, each posted to its window's thread.
#pragma once

#include <cstdint>

#include "platform/Desktop.h"
#include "platform/WindowHandle.h"

namespace qiv {

// For the windows that do not answer: a deferred batch waits for each of its windows when it ends, so one hung
// window would hold up the others and our thread until it answers again. Posted, its change takes effect once
// it does.
class PostedPositionBatch final : public PositionBatch {
 public:
  explicit PostedPositionBatch(Desktop& desktop) : desktop_(desktop) {}

  void Add(WindowHandle window, InsertAfter after, std::uint32_t flags) override;
  void End() override {}

 private:
  Desktop& desktop_;
};

}  // namespace qiv
