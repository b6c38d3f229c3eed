// Message boxes of the program: the caption is always the executable's base name.
#include "framework/ShowMessage.h"

#include <string>

#include "framework/ModalScope.h"
#include "framework/Program.h"

namespace qiv {

int ShowMessage(HWND owner, const char* text, UINT type) {
  const std::string caption = ProgramName();
  const ModalScope scope(owner);
  return ::MessageBoxA(scope.Owner(), text, caption.c_str(), type);
}

int ShowMessage(HWND owner, UINT stringId, UINT type) {
  return ShowMessage(owner, ResourceString(stringId).c_str(), type);
}

}  // namespace qiv
