// OK and Cancel of the settings sheet, across its pages.
#pragma once

#include <vector>

#include "settings/PageActions.h"
#include "shell/Settings.h"

namespace qiv {

// Saves every page that has a window, in order, and then the settings to the registry. A page that refuses
// its values stops it there: the pages before it have written their values, and nothing reaches the
// registry. true when everything was saved.
bool ApplyPages(const std::vector<PageActions*>& pages, const Settings& settings);
// Reverts every page, with a window or without.
void RevertPages(const std::vector<PageActions*>& pages);

}  // namespace qiv
