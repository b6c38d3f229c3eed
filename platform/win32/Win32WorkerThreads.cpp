// Worker threads through kernel32.
#include "platform/win32/Win32WorkerThreads.h"

#include <windows.h>

#include <memory>
#include <utility>

#include "framework/UniqueHandle.h"

namespace qiv {
namespace {

// The committed stack; the reservation stays the program's default.
constexpr SIZE_T kStackSize = 4096;

using Job = std::function<void()>;

// The thread owns its job and frees it: the caller may have stopped waiting long before.
DWORD WINAPI RunJob(void* parameter) {
  std::unique_ptr<Job> job(static_cast<Job*>(parameter));
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
  (*job)();
  return 0;
}

}  // namespace

bool Win32WorkerThreads::Run(std::function<void()> job, std::uint32_t timeoutMs) {
  auto owned = std::make_unique<Job>(std::move(job));
  UniqueKernelHandle thread(::CreateThread(nullptr, kStackSize, RunJob, owned.get(), 0, nullptr));
  if (!thread) return false;
  owned.release();
  return ::WaitForSingleObject(thread.Get(), timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace qiv
