// The base of every window of the program: binds a C++ object to its window and routes messages to handlers.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>

namespace qiv {

struct MessageMap;

// Taken from a bound window before anything that pumps messages (TrackPopupMenu, DoModal, a message box, a
// cross-thread SendMessage) and asked afterwards: Alive() turns false when the window has been destroyed
// (WM_NCDESTROY) or its object has died, so the handler knows not to touch either any more. Copyable, and
// safe to ask after the object is gone:
//   const WindowToken alive = Token();
//   const UINT command = menu.TrackPopup(TPM_RETURNCMD, x, y, Handle());
//   if (!alive.Alive()) return 0;
class WindowToken {
 public:
  WindowToken() = default;
  bool Alive() const { return alive_ && *alive_; }

 private:
  friend class Window;
  explicit WindowToken(std::shared_ptr<const bool> alive) : alive_(std::move(alive)) {}

  std::shared_ptr<const bool> alive_;
};

// How an object came to its window, which decides where unhandled messages go.
enum class WindowBinding {
  None,        // not bound: at most a handle to call the control's messages on
  Created,     // a window of a class registered by RegisterWindowClass: DefWindowProc
  Subclassed,  // an existing window taken over with SetWindowSubclass: DefSubclassProc
  Dialog,      // a dialog procedure: the dialog manager's default (the procedure answers FALSE)
};

class Window {
 public:
  Window() = default;
  // A bound object that dies before its window unbinds; a window it created is destroyed with it.
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return window_; }
  HWND DlgItem(int id) const { return ::GetDlgItem(window_, id); }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // Refers to an existing window without taking its messages (the thin control wrappers). Ignored while bound.
  void Attach(HWND window);
  // Takes the messages of an existing window until it is destroyed or this object dies; fails for a window
  // that is already bound.
  bool Subclass(HWND window);

  // Registers a class whose windows Create binds to their objects; true when it exists already.
  static bool RegisterWindowClass(const char* className, UINT style, HCURSOR cursor, HBRUSH background);
  // Creates a window of such a class, bound to this object from its first message (WM_GETMINMAXINFO comes
  // before WM_NCCREATE).
  bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
              HMENU menuOrId);

  // A token that stays alive while this object is bound to its window; a dead one when it is not bound.
  WindowToken Token() const { return WindowToken(alive_); }

  // The object bound to a window, or null.
  static Window* FromHandle(HWND window);

  // Offers a message taken from the queue to the objects of its window and of that window's parents up to
  // the top-level one; true when one of them consumed it.
  static bool PreTranslate(MSG& message);

 protected:
  // Hands this object to the first unbound window that a procedure of the given binding sees on this thread;
  // set just before the call that creates the window, and the previous offer is back when it ends.
  class HandOver {
   public:
    HandOver(Window& window, WindowBinding binding);
    ~HandOver();
    HandOver(const HandOver&) = delete;
    HandOver& operator=(const HandOver&) = delete;

   private:
    Window* previousWindow_;
    WindowBinding previousBinding_;
  };

  // An offer that no scope takes back, for windows that another library creates later in the same thread
  // (property pages); the next offer replaces it.
  static void OfferHandOver(Window& window, WindowBinding binding);
  // The offered object, now bound to window, if it was offered for this binding.
  static Window* TakeHandOver(HWND window, WindowBinding binding);

  // The most derived class's map; null for a plain window.
  virtual const MessageMap* GetMessageMap() const;

  // Sees every message of this window and its children before it is dispatched, while a modal loop of ours
  // (or the dialog manager's inside it) runs. Answer true to consume the message. Default: false.
  virtual bool PreTranslateMessage(MSG& message);

  // Runs after WM_NCDESTROY, when the object has let go of its window: the place where an object that
  // owns itself may delete itself. Default: nothing.
  virtual void OnFinalMessage();

  // A handler returns this to pass the message on to the next matching entry and then the default
  // processing. A handler that destroyed its window must not pass the message on.
  LRESULT NotHandled();

  // Reflection to a bound child first, then the map chain from the most derived class up; false when no
  // handler took the message. Nothing here touches the object after the handler that took the message.
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Unbinds after WM_NCDESTROY, then OnFinalMessage.
  void FinishDestroy();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  void Bind(HWND window, WindowBinding binding);
  void Unbind();

  HWND window_ = nullptr;
  WindowBinding binding_ = WindowBinding::None;
  // Shared with the tokens handed out during this binding; a new binding gets a new flag.
  std::shared_ptr<bool> alive_;
};

}  // namespace qiv
