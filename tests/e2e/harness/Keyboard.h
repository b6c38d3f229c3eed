// Real key presses through SendInput, as a user would type them.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace qiv::e2e {

// Presses the keys in order and releases them in reverse order (a chord such as
// {VK_CONTROL, VK_MENU, '1'}).
bool PressChord(std::initializer_list<WORD> keys);
// Presses or releases one key, to hold it (Ctrl during a drag).
bool SetKeyHeld(WORD key, bool held);

}  // namespace qiv::e2e
