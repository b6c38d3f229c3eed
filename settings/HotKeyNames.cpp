// The names of the keys a hot key can be made of, and the text a hot key is shown with.
#include "settings/HotKeyNames.h"

namespace qiv {
namespace {

constexpr std::int32_t kNumpad0 = 96;
constexpr std::int32_t kNumpad9 = 105;
constexpr std::int32_t kF1 = 112;

std::vector<KeyName> MakeKeyNameTable() {
  std::vector<KeyName> table = {{"None", 0}};
  for (char digit = '0'; digit <= '9'; ++digit) table.push_back({std::string(1, digit), digit});
  for (char letter = 'A'; letter <= 'Z'; ++letter) table.push_back({std::string(1, letter), letter});
  for (int number = 1; number <= 12; ++number) table.push_back({"F" + std::to_string(number), kF1 + number - 1});
  for (int digit = 0; digit <= 9; ++digit) table.push_back({"NUMPAD " + std::to_string(digit), kNumpad0 + digit});
  // The order the dialog has always listed them in, not the order of their codes.
  table.push_back({"Up", 38});
  table.push_back({"Down", 40});
  table.push_back({"Right", 39});
  table.push_back({"Left", 37});
  return table;
}

}  // namespace

const std::vector<KeyName>& KeyNameTable() {
  static const std::vector<KeyName> table = MakeKeyNameTable();
  return table;
}

std::string HotKeyText(const HotKey& hotKey) {
  std::string text = "None";
  for (const KeyName& entry : KeyNameTable()) {
    if (entry.code == hotKey.key) {
      text = entry.name;
      break;
    }
  }
  struct Modifier {
    std::int32_t bit;
    const char* name;
  };
  static constexpr Modifier kModifiers[] = {{HotKey::kCtrl, "Ctrl"}, {HotKey::kAlt, "Alt"}, {HotKey::kShift, "Shift"}};
  std::string modifiers;
  for (const Modifier& modifier : kModifiers) {
    if ((hotKey.modifiers & modifier.bit) == 0) continue;
    if (!modifiers.empty()) modifiers += " / ";
    modifiers += modifier.name;
  }
  return modifiers.empty() ? text : text + " + " + modifiers;
}

bool IsNumpadKey(std::int32_t code) { return code >= kNumpad0 && code <= kNumpad9; }

}  // namespace qiv
