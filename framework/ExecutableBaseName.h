// The program's name as message boxes show it: the module file name without folder and extension.
#pragma once

#include <string>
#include <string_view>

namespace qiv {

// "C:\Program Files\Qiv\Qiv.exe" -> "Qiv". Both slashes and a drive colon end the folder part; only the last
// dot of the file name starts the extension, and a dot in a folder name is not one.
std::string ExecutableBaseName(std::string_view modulePath);

}  // namespace qiv
