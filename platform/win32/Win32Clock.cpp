// Time through kernel32.
#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace qiv {

std::uint32_t Win32Clock::TickCount() { return ::GetTickCount(); }

void Win32Clock::Sleep(std::uint32_t ms) { ::Sleep(ms); }

}  // namespace qiv
