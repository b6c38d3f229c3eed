// The text of a screen button's tooltip: the screen's name and the titles of its windows.
#pragma once

#include <string>
#include <vector>

namespace qiv {

// titles: the screen's windows in list order (bottom of the z-order first); a window
// without a title keeps its number but is left out. With the content shown, an empty
// screen says "(empty)".
std::string ScreenTipText(const std::string& screenName, bool showName, bool showContent,
                          const std::vector<std::string>& titles);

}  // namespace qiv
