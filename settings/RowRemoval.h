// Deleting several rows of a list one after another.
#pragma once

#include <vector>

namespace qiv {

// The indexes to delete at, in order, for the rows selected (ascending, as a list view answers them): each
// deletion moves the later rows up by one, so the k-th row (from 0) goes at its index - k.
std::vector<int> RemovalIndexes(const std::vector<int>& selectedRows);

}  // namespace qiv
