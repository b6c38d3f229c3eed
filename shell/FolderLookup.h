// Whether a special-folder look-up named a folder that can be used.
#pragma once

#include <cstdint>

namespace qiv {

// result: the look-up's HRESULT. Only S_OK counts: S_FALSE is a success code that means the folder does not
// exist, and working there would put files in, or take them from, whatever the current directory is.
bool FolderLookupSucceeded(std::int32_t result, const char* path);

}  // namespace qiv
