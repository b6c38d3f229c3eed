// Functions that older systems lack, looked up by name at run time.
#pragma once

#include <windows.h>

namespace qiv {

// The function name of module, or null when the module or the function is missing.
template <typename Function>
Function LookUpSystemFunction(HMODULE module, const char* name) {
  return module != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                           : nullptr;
}

}  // namespace qiv
