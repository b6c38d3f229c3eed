// A modal loop of our own, for popups that run one rather than a dialog's.
#include "framework/ModalLoop.h"

#include "framework/Window.h"

namespace qiv {

int ModalLoop::Run(HWND popup, ModalLoopClient* client, int showCommand) {
  if (running_ || !::IsWindow(popup)) return 0;
  running_ = true;
  ended_ = false;
  result_ = 0;
  scope_.SetModalWindow(popup);
  scope_.DisableOwner();
  ::ShowWindow(popup, showCommand);
  MSG message;
  while (!ended_ && ::IsWindow(popup)) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    if (client && client->OnLoopMessage(message)) continue;
    // Modeless dialogs get their keyboard handling, as inside the dialog manager's loop.
    if (Window::PreTranslate(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  scope_.EnableOwner();
  if (::IsWindow(popup)) ::ShowWindow(popup, SW_HIDE);
  running_ = false;
  return ended_ ? result_ : 0;
}

void ModalLoop::End(int result) {
  if (!running_) return;
  result_ = result;
  ended_ = true;
  // GetMessage waits for the next message; an empty one wakes it.
  ::PostMessageA(nullptr, WM_NULL, 0, 0);
}

}  // namespace qiv
