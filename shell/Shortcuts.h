// Shortcuts to the running executable in the shell's special folders: the install run and the
// General settings page make and remove them.
#pragma once

namespace qiv {

// Shell folder ids (CSIDL) of the two folders the program puts shortcuts in.
constexpr int kDesktopFolder = 0;
constexpr int kStartupFolder = 7;

// Creates "Qiv.lnk" to the executable in folder, replacing a file of that name.
void CreateShortcut(int folder);
// Deletes the first shortcut in folder whose target is the executable (any file name).
void DeleteShortcut(int folder);
// Whether the Startup folder holds a shortcut to the executable.
bool HasStartupShortcut();

}  // namespace qiv
