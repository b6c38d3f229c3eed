// Deleting several rows of a list one after another.
#include "settings/RowRemoval.h"

namespace qiv {

std::vector<int> RemovalIndexes(const std::vector<int>& selectedRows) {
  std::vector<int> indexes;
  indexes.reserve(selectedRows.size());
  for (std::size_t k = 0; k < selectedRows.size(); ++k) indexes.push_back(selectedRows[k] - static_cast<int>(k));
  return indexes;
}

}  // namespace qiv
