// The names of the keys a hot key can be made of, and the text a hot key is shown with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/HotKey.h"

namespace qiv {

struct KeyName {
  std::string name;
  std::int32_t code = 0;  // virtual-key code; 0 for "None"
};

// The keys in the order the hot key dialog offers them: "None", the digits, the letters, F1 to F12, the
// numeric keypad's digits and the four arrows.
const std::vector<KeyName>& KeyNameTable();

// "Left + Ctrl / Alt": the key's name, then the modifiers in the order Ctrl, Alt, Shift; the name alone without
// modifiers. A key that is not in the table is shown as "None".
std::string HotKeyText(const HotKey& hotKey);

// The numeric keypad's digits: Shift turns them into the cursor keys, so a hot key cannot hold Shift with one.
bool IsNumpadKey(std::int32_t code);

}  // namespace qiv
