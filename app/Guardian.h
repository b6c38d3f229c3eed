// The guardian run: a second Qiv.exe beside the program that holds the parked Explorer windows, so that they
// outlive the program's user interface, and that, when the program ended without bringing its windows back (a
// crash, a kill, a program that did not answer at the close), brings back every window it had taken off the
// desktop.
#pragma once

#include <windows.h>

#include <cstdint>

namespace qiv {

// Starts the guardian of this process and answers its process id; 0 when it could not be started (the program
// runs on without one).
std::uint32_t StartGuardian();
// The guardian's holder window, once it exists; null when it did not appear within timeoutMs (the program then
// parks in a holder of its own).
HWND WaitForGuardianHolder(std::uint32_t guardianId, DWORD timeoutMs);
// The guardian's whole run, for the process with this id.
void RunGuardian(std::uint32_t processId);

}  // namespace qiv
