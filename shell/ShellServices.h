// Small services of the shell and the window system used across the program: help pages,
// the program's and the system's folders, translucency, icons of other windows, 3-D frames.
#pragma once

#include <windows.h>

#include <string>

namespace qiv {

// Opens page fileName of the "Help" folder beside the executable, maximised; a message
// names the page when it cannot be opened.
void OpenHelpFile(const std::string& fileName);

// The message for a file or address that could not be opened: "Can't open file" and the name.
std::string FormatCantOpenFile(const std::string& name);

// Drive and folder of the running executable, ending in a backslash; empty if unknown.
std::string GetProgramDirectory();
// Full path of the running executable (at most MAX_PATH characters).
std::string GetProgramPath();

// SHGetFolderPathA, looked up at run time (SHFolder.dll first, then Shell32.dll): its
// result, or -1 where no library offers it. path holds MAX_PATH characters.
HRESULT GetSpecialFolderPath(HWND owner, int folder, HANDLE token, DWORD flags, char* path);

// Whether the system has layered windows (SetLayeredWindowAttributes).
bool IsTransparencySupported();
// Makes window translucent (alpha below 255) or opaque and no longer layered (255).
void SetWindowAlpha(HWND window, BYTE alpha);

// The icon of a top-level window of any process; never null. The icon belongs to that
// window or to the program's resources: the caller does not destroy it.
HICON GetWindowIcon(HWND window);

// Fills rect with colour and frames it one pixel white and black, raised or sunken.
void DrawFrame3D(HDC dc, const RECT& rect, COLORREF colour, bool sunken);

}  // namespace qiv
