// Whether a key combination chosen for one hot-key function is already another's.
#include "settings/HotKeyConflict.h"

namespace qiv {

bool IsHotKeyTaken(const HotKey& candidate, const std::vector<HotKey>& rowKeys, int editedRow) {
  if (candidate.key == 0) return false;
  for (int row = 0; row < static_cast<int>(rowKeys.size()); ++row) {
    if (row != editedRow && rowKeys[static_cast<std::size_t>(row)] == candidate) return true;
  }
  return false;
}

}  // namespace qiv
