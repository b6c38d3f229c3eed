// The executable itself: the module that holds the resources, and its name.
#include "framework/Program.h"

#include "framework/ExecutableBaseName.h"

namespace qiv {
namespace {

// Long enough for any path the system hands out (\\?\ paths included).
constexpr DWORD kMaxModulePath = 32768;
// String table entries hold at most this many characters.
constexpr int kMaxResourceString = 4096;

}  // namespace

HINSTANCE ProgramInstance() { return ::GetModuleHandleA(nullptr); }

std::string ProgramName() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A full buffer means the name was cut short.
    if (length < path.size() || path.size() >= kMaxModulePath) {
      path.resize(length < path.size() ? length : 0);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ExecutableBaseName(path);
}

std::string ResourceString(UINT id) {
  std::string text(kMaxResourceString, '\0');
  const int length = ::LoadStringA(ProgramInstance(), id, text.data(), kMaxResourceString);
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

}  // namespace qiv
