// Small services of the shell and the window system used across the program.
#include "shell/ShellServices.h"

#include <shellapi.h>

#include "framework/GdiObjects.h"
#include "framework/Program.h"
#include "framework/SelectGuard.h"
#include "framework/ShowMessage.h"
#include "framework/SystemFunction.h"
#include "resources/resource.h"

namespace qiv {
namespace {

using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using SHGetFolderPathFunction = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// Bounded: a hung window costs at most 100 ms per question. False when the window did not answer in time; icon is
// then left as it was.
bool AskWindowForIcon(HWND window, UINT message, WPARAM wParam, HICON& icon) {
  DWORD_PTR answer = 0;
  if (!::SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 100, &answer)) return false;
  icon = reinterpret_cast<HICON>(answer);
  return true;
}

}  // namespace

std::string FormatCantOpenFile(const std::string& name) {
  std::string text = ResourceString(IDS_CANT_OPEN_FILE);
  const size_t placeholder = text.find("%s");
  if (placeholder != std::string::npos) text.replace(placeholder, 2, name);
  return text;
}

void OpenHelpFile(const std::string& fileName) {
  char currentDirectory[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, currentDirectory);
  const std::string path = GetProgramDirectory() + "Help\\" + fileName;
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, currentDirectory, SW_SHOWMAXIMIZED));
  if (result <= 32) ShowMessage(nullptr, FormatCantOpenFile(fileName).c_str(), MB_OK);
}

std::string GetProgramPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

std::string GetProgramDirectory() {
  const std::string path = GetProgramPath();
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

HRESULT GetSpecialFolderPath(HWND owner, int folder, HANDLE token, DWORD flags, char* path) {
  HMODULE shfolder = ::LoadLibraryA("SHFolder.dll");
  auto function = LookUpSystemFunction<SHGetFolderPathFunction>(shfolder, "SHGetFolderPathA");
  if (function == nullptr) {
    // Shell32 stays loaded: the program uses it throughout anyway.
    function = LookUpSystemFunction<SHGetFolderPathFunction>(::LoadLibraryA("Shell32.dll"), "SHGetFolderPathA");
  }
  const HRESULT result = function != nullptr ? function(owner, folder, token, flags, path) : -1;
  if (shfolder != nullptr) ::FreeLibrary(shfolder);
  return result;
}

bool IsTransparencySupported() {
  HMODULE user32 = ::LoadLibraryA("USER32.DLL");
  const bool supported =
      LookUpSystemFunction<SetLayeredWindowAttributesFunction>(user32, "SetLayeredWindowAttributes") != nullptr;
  if (user32 != nullptr) ::FreeLibrary(user32);
  return supported;
}

void SetWindowAlpha(HWND window, BYTE alpha) {
  const auto setAttributes = LookUpSystemFunction<SetLayeredWindowAttributesFunction>(::GetModuleHandleA("USER32.DLL"),
                                                                                      "SetLayeredWindowAttributes");
  if (setAttributes == nullptr) return;
  const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
  if (alpha < 255) {
    ::SetWindowLongA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setAttributes(window, 0, alpha, LWA_ALPHA);
  } else {
    ::SetWindowLongA(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
  }
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

HICON GetWindowIcon(HWND window) {
  if (HICON icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICON))) return icon;
  HICON icon = nullptr;
  // A window that let the first question time out would let the second one time out too: one bound per window
  // that does not answer, not two.
  if (AskWindowForIcon(window, WM_GETICON, ICON_BIG, icon) && icon == nullptr) {
    AskWindowForIcon(window, WM_QUERYDRAGICON, 0, icon);
  }
  return icon != nullptr ? icon : ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_DEFAULT_WINDOW));
}

void DrawFrame3D(HDC dc, const RECT& rect, COLORREF colour, bool sunken) {
  UniqueBrush fill = MakeSolidBrush(colour);
  ::FillRect(dc, &rect, fill.Get());
  UniquePen light = MakePen(PS_SOLID, 1, RGB(255, 255, 255));
  UniquePen dark = MakePen(PS_SOLID, 1, RGB(0, 0, 0));
  SelectGuard pen(dc, sunken ? dark.Get() : light.Get());
  ::MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
  ::LineTo(dc, rect.left, rect.top);
  ::LineTo(dc, rect.right - 1, rect.top);
  ::SelectObject(dc, sunken ? light.Get() : dark.Get());
  ::LineTo(dc, rect.right - 1, rect.bottom - 1);
  ::LineTo(dc, sunken ? rect.left : rect.left - 1, rect.bottom - 1);
}

}  // namespace qiv
