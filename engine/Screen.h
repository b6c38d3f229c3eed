// One screen definition: name, icon and hot key.
#pragma once

#include <cstdint>
#include <string>

#include "engine/HotKey.h"
#include "platform/IconSource.h"

namespace qiv {

struct Screen {
  std::string name;
  IconHandle icon = nullptr;   // owned by the icon list, never destroyed here
  std::string iconFile;        // empty: a built-in icon
  std::int32_t iconIndex = 0;  // number of the icon in iconFile, or of the built-in icon
  HotKey hotKey;

  // Takes the icon number index from file, or the built-in icon index when file is empty. The
  // previous icon stays in the icon list: a button may still be drawing it.
  void SetIcon(IconSource& icons, const std::string& file, std::int32_t index);

  // Names and icon files compare without regard to case; the hot key plays no part.
  bool IsSameScreen(const Screen& other) const;
};

}  // namespace qiv
