// Windows as portable code sees them: an opaque handle of pointer size (HWND on Windows).
#pragma once

namespace qiv {

struct WindowObject;
using WindowHandle = WindowObject*;

}  // namespace qiv
