// Pre-translation inside the modal loops of the dialog manager and of comctl32.
#include "framework/ModalMessageFilter.h"

#include "framework/Window.h"

namespace qiv {
namespace {

thread_local HHOOK tlsHook = nullptr;
thread_local int tlsDepth = 0;
// IsDialogMessage on a modeless dialog runs the filter again for the same message.
thread_local bool tlsFiltering = false;

}  // namespace

ModalMessageFilter::ModalMessageFilter() {
  if (tlsDepth++ == 0) tlsHook = ::SetWindowsHookExA(WH_MSGFILTER, FilterProc, nullptr, ::GetCurrentThreadId());
}

ModalMessageFilter::~ModalMessageFilter() {
  if (--tlsDepth == 0 && tlsHook) {
    ::UnhookWindowsHookEx(tlsHook);
    tlsHook = nullptr;
  }
}

LRESULT CALLBACK ModalMessageFilter::FilterProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX && !tlsFiltering) {
    tlsFiltering = true;
    const bool consumed = Window::PreTranslate(*reinterpret_cast<MSG*>(lParam));
    tlsFiltering = false;
    if (consumed) return TRUE;
  }
  return ::CallNextHookEx(tlsHook, code, wParam, lParam);
}

}  // namespace qiv
