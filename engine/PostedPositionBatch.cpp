// A position batch whose entries take effect one by one, each posted to its window's thread.
#include "engine/PostedPositionBatch.h"

namespace qiv {

void PostedPositionBatch::Add(WindowHandle window, InsertAfter after, std::uint32_t flags) {
  desktop_.SetPosition(window, after, Rect{}, flags | kAsyncWindowPos | kNoMove | kNoSize);
}

}  // namespace qiv
