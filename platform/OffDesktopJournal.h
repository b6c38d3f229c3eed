// A record, outside the program's own memory, of the windows the program has taken off the desktop: when the
// program ends without bringing them back (a crash, a kill), another process reads it and brings them back.
#pragma once

#include "platform/WindowHandle.h"

namespace qiv {

class OffDesktopJournal {
 public:
  virtual ~OffDesktopJournal() = default;

  // Called before the window is taken off the desktop, so that a crash in between cannot miss it.
  virtual void Add(WindowHandle window) = 0;
  // Called once the window is back on the desktop, or gone.
  virtual void Remove(WindowHandle window) = 0;
  // Brings a slower copy of the record, one that outlives every process of the program, up to date. Cheap when
  // nothing changed; not called from inside a switch.
  virtual void Flush() = 0;
};

}  // namespace qiv
