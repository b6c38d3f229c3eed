// What Qiv.exe uses, read from outside: processor time, memory, kernel handles and the GDI objects its
// framework counts.
#pragma once

#include <windows.h>

namespace qiv::bench {

// Kernel and user time so far.
double ProcessCpuMs(HANDLE process);
// Negative when the system cannot tell.
double WorkingSetMb(HANDLE process);
double PrivateMb(HANDLE process);
long HandleCount(HANDLE process);
// The panel's count of live GDI objects made through the framework's helpers; -1 when it does not answer.
long LiveGdiObjects(HWND panel);

}  // namespace qiv::bench
