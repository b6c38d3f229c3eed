// The named mutexes by which a running instance of the program is recognised.
#pragma once

#include <windows.h>

namespace qiv {

// Held by the running instance from start to end.
inline constexpr char kInstanceMutexName[] = "Brevik Qiv instance control mutexCBB7E1AE-0D94-4248-81EC-094E7CDC4CA4";
// Held by instances of earlier versions; only ever tested for.
inline constexpr char kLegacyInstanceMutexName[] = "Vorn Qiv instance control mutex";

// Whether a mutex of that name exists (opened for synchronisation only, closed at once).
bool NamedMutexExists(const char* name);

// The test of the install and uninstall runs: when an instance of this or an earlier version
// runs, tells the user to close it (over owner) and answers true.
bool IsInstanceRunning(HWND owner);

}  // namespace qiv
