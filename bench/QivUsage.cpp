// Processor time, memory, handles and GDI objects of Qiv.exe, read from outside.
#include "bench/QivUsage.h"

#include <psapi.h>

#include "panel/PanelMessages.h"

namespace qiv::bench {
namespace {

constexpr double kBytesPerMb = 1024.0 * 1024.0;

bool MemoryCounters(HANDLE process, PROCESS_MEMORY_COUNTERS_EX& counters) {
  counters = {};
  counters.cb = sizeof counters;
  return ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters) !=
         FALSE;
}

}  // namespace

double ProcessCpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0.0;
  auto ms = [](const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

double WorkingSetMb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters;
  return MemoryCounters(process, counters) ? static_cast<double>(counters.WorkingSetSize) / kBytesPerMb : -1.0;
}

// Wine leaves PrivateUsage at 0 for another process; the committed private regions of its address space say the
// same.
double PrivateMb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters;
  if (MemoryCounters(process, counters) && counters.PrivateUsage != 0) {
    return static_cast<double>(counters.PrivateUsage) / kBytesPerMb;
  }
  SIZE_T committed = 0;
  MEMORY_BASIC_INFORMATION region = {};
  for (const char* address = nullptr;
       ::VirtualQueryEx(process, address, &region, sizeof region) == sizeof region && region.RegionSize != 0;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
  }
  return committed != 0 ? static_cast<double>(committed) / kBytesPerMb : -1.0;
}

long HandleCount(HANDLE process) {
  DWORD count = 0;
  return ::GetProcessHandleCount(process, &count) ? static_cast<long>(count) : -1;
}

long LiveGdiObjects(HWND panel) {
  static const UINT query = ::RegisterWindowMessageA(kLiveGdiObjectsQuery);
  DWORD_PTR count = 0;
  if (!::SendMessageTimeoutA(panel, query, 0, 0, SMTO_ABORTIFHUNG, 3000, &count)) return -1;
  return static_cast<long>(count);
}

}  // namespace qiv::bench
