// The system's colour dialog, run under the modal scope.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace qiv {

// The sixteen custom colours the dialog shows and the user may change; keep them between runs.
using CustomColours = std::array<COLORREF, 16>;

// The colour the user chose, starting from initial; nullopt after Cancel or when the dialog fails. Owned
// by the current modal window, or without one by parent's top-level window.
std::optional<COLORREF> ChooseColour(HWND parent, COLORREF initial, CustomColours& customColours);

}  // namespace qiv
