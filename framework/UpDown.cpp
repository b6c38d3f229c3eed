// An up-down (spin) control, through its messages.
#include "framework/UpDown.h"

#include <commctrl.h>

namespace qiv {

// The 32-bit messages: the 16-bit ones cap the range at 32767.
void UpDown::SetRange(int min, int max) const { Send(UDM_SETRANGE32, static_cast<WPARAM>(min), max); }

void UpDown::SetPosition(int position) const { Send(UDM_SETPOS32, 0, position); }

int UpDown::Position() const { return static_cast<int>(Send(UDM_GETPOS32)); }

}  // namespace qiv
