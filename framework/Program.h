// The executable itself: the module that holds the resources, and its name.
#pragma once

#include <windows.h>

#include <string>

namespace qiv {

// Dialogs, menus, bitmaps and strings all come from the executable (the framework is linked into it).
HINSTANCE ProgramInstance();

// The executable's base name ("Qiv"), the caption of every message box.
std::string ProgramName();

// The string table entry id; empty when the table has none.
std::string ResourceString(UINT id);

}  // namespace qiv
