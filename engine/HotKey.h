// A key combination as the program stores and compares it.
#pragma once

#include <cstdint>
#include <string>

namespace qiv {

struct HotKey {
  // Modifier bits, the same the keyboard hook reports.
  static constexpr std::int32_t kCtrl = 1;
  static constexpr std::int32_t kAlt = 2;
  static constexpr std::int32_t kShift = 4;

  std::int32_t key = 0;  // virtual-key code; 0 = no hot key
  std::int32_t modifiers = 0;

  // "key modifiers" in decimal.
  std::string ToText() const;

  // Reads the text form back. Each field is taken only when its number can be read, and the
  // modifiers only after the key, so "65" changes the key and keeps the modifiers.
  void ReadText(const std::string& text);
};

inline bool operator==(const HotKey& a, const HotKey& b) { return a.key == b.key && a.modifiers == b.modifiers; }
inline bool operator!=(const HotKey& a, const HotKey& b) { return !(a == b); }

}  // namespace qiv
