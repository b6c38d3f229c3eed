// How an Explorer-class window was when it was parked in the holder window, to bring it back that way.
#pragma once

#include <cstdint>
#include <map>

#include "platform/Desktop.h"
#include "platform/WindowHandle.h"

namespace qiv {

struct ParkedState {
  static constexpr std::int32_t kMinimized = 1;
  static constexpr std::int32_t kMaximized = 2;
  static constexpr std::int32_t kNormal = 3;

  std::int32_t showState = kNormal;
  bool topmost = false;
  Rect normalRect;
};

// Used by the user-interface thread only.
using ParkedStateMap = std::map<WindowHandle, ParkedState>;

}  // namespace qiv
