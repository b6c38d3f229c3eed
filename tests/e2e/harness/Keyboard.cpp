// Real key presses through SendInput.
#include "tests/e2e/harness/Keyboard.h"

#include <vector>

namespace qiv::e2e {

namespace {

INPUT KeyInput(WORD key, DWORD flags) {
  // Arrow and navigation keys sit on the extended part of the keyboard; without the flag their
  // scan codes stand for the numeric keypad.
  if ((key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE) flags |= KEYEVENTF_EXTENDEDKEY;
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

bool PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(KeyInput(key, 0));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) inputs.push_back(KeyInput(*key, KEYEVENTF_KEYUP));
  return ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

bool SetKeyHeld(WORD key, bool held) {
  INPUT input = KeyInput(key, held ? 0 : KEYEVENTF_KEYUP);
  return ::SendInput(1, &input, sizeof(INPUT)) == 1;
}

}  // namespace qiv::e2e
