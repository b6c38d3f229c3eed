// The windows that the program has taken off the desktop and not yet brought back.
#include "engine/OffDesktopWindows.h"

namespace qiv {

void OffDesktopWindows::Add(WindowHandle window) {
  if (windows_.insert(window).second) journal_.Add(window);
}

void OffDesktopWindows::Remove(WindowHandle window) {
  if (windows_.erase(window) != 0) journal_.Remove(window);
}

}  // namespace qiv
