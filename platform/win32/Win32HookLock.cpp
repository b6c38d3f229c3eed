// The hook library's lock counter, through its exports.
#include "platform/win32/Win32HookLock.h"

#include "hooklib/Qivhook.h"

namespace qiv {

void Win32HookLock::Raise() { QivhookLock(TRUE); }

void Win32HookLock::Lower() { QivhookLock(FALSE); }

std::int32_t Win32HookLock::Count() { return QivhookGetLock(); }

}  // namespace qiv
