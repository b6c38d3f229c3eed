// Whether a key combination chosen for one hot-key function is already another's.
#pragma once

#include <vector>

#include "engine/HotKey.h"

namespace qiv {

// rowKeys: the combination of every function listed, editedRow: the index of the one being changed. A
// combination without a key ("None") is never taken, whatever its modifiers; nor is the edited row's own.
bool IsHotKeyTaken(const HotKey& candidate, const std::vector<HotKey>& rowKeys, int editedRow);

}  // namespace qiv
