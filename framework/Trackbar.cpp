// A trackbar (slider), through its messages.
#include "framework/Trackbar.h"

#include <commctrl.h>

namespace qiv {

void Trackbar::SetRange(int min, int max) const {
  Send(TBM_SETRANGEMIN, FALSE, min);
  Send(TBM_SETRANGEMAX, TRUE, max);
}

void Trackbar::SetPosition(int position) const { Send(TBM_SETPOS, TRUE, position); }

int Trackbar::Position() const { return static_cast<int>(Send(TBM_GETPOS)); }

}  // namespace qiv
