// Whether a special-folder look-up named a folder that can be used.
#include "shell/FolderLookup.h"

namespace qiv {

bool FolderLookupSucceeded(std::int32_t result, const char* path) {
  return result == 0 && path != nullptr && path[0] != '\0';
}

}  // namespace qiv
