// The base of every window of the program: binds a C++ object to its window and routes messages to handlers.
#include "framework/Window.h"

#include <commctrl.h>

#include "framework/MessageMap.h"
#include "framework/Program.h"

namespace qiv {
namespace {

// The object of a window lives in a window property, so that any code (reflection, pre-translation) finds it
// from the handle alone, whatever way it was bound.
constexpr char kObjectProperty[] = "QivWindowObject";
constexpr UINT_PTR kSubclassId = 1;

struct HandOverOffer {
  Window* window = nullptr;
  WindowBinding binding = WindowBinding::None;
};
thread_local HandOverOffer tlsOffer;

// Where NotHandled() reports to: the flag of the dispatch running on this thread. Kept outside the object so
// that a handler may end with its object deleted.
thread_local bool* tlsHandled = nullptr;

class HandledScope {
 public:
  explicit HandledScope(bool* handled) : previous_(tlsHandled) { tlsHandled = handled; }
  ~HandledScope() { tlsHandled = previous_; }
  HandledScope(const HandledScope&) = delete;
  HandledScope& operator=(const HandledScope&) = delete;

 private:
  bool* previous_;
};

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
  if (entry.message != message) return false;
  switch (entry.match) {
    case MatchBy::Message: return true;
    case MatchBy::Command: return HIWORD(wParam) == entry.code && LOWORD(wParam) == entry.id;
    case MatchBy::CommandCode: return HIWORD(wParam) == entry.code;
    case MatchBy::Notify: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      return header->code == entry.code && header->idFrom == entry.id;
    }
    case MatchBy::NotifyCode: return reinterpret_cast<const NMHDR*>(lParam)->code == entry.code;
  }
  return false;
}

// The child control that a notification to parent comes from; null when the message is none.
HWND NotificationSource(HWND parent, UINT message, LPARAM lParam) {
  // These carry the control in lParam.
  if (message == WM_COMMAND || IsControlColourMessage(message)) return reinterpret_cast<HWND>(lParam);
  switch (message) {
    case WM_NOTIFY: return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      // An owner-drawn list box asks while it is being created, before anything can be bound to it.
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      return item->CtlType != ODT_MENU ? ::GetDlgItem(parent, static_cast<int>(item->CtlID)) : nullptr;
    }
    default: return nullptr;
  }
}

// The bound child control that a notification of the parent comes from, if it is to be reflected to it.
Window* ReflectionTarget(HWND parent, UINT message, LPARAM lParam) {
  const HWND source = NotificationSource(parent, message, lParam);
  // Only a child's own notifications: a property sheet notifies its pages, and a tooltip its owner, too.
  if (!source || source == parent || ::GetAncestor(source, GA_PARENT) != parent) return nullptr;
  return Window::FromHandle(source);
}

}  // namespace

Window::~Window() {
  if (binding_ == WindowBinding::None) return;
  const HWND window = window_;
  const bool created = binding_ != WindowBinding::Subclassed;
  if (!created) ::RemoveWindowSubclass(window, SubclassProc, kSubclassId);
  Unbind();
  // Unbound first, so that the destruction's messages do not reach a half-destroyed object.
  if (created) ::DestroyWindow(window);
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(window_, message, wParam, lParam);
}

bool Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(window_, message, wParam, lParam) != FALSE;
}

void Window::Attach(HWND window) {
  if (binding_ == WindowBinding::None) window_ = window;
}

bool Window::Subclass(HWND window) {
  if (!window || binding_ != WindowBinding::None || FromHandle(window)) return false;
  if (!::SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  Bind(window, WindowBinding::Subclassed);
  return true;
}

bool Window::RegisterWindowClass(const char* className, UINT style, HCURSOR cursor, HBRUSH background) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (::GetClassInfoExA(ProgramInstance(), className, &windowClass)) return true;
  windowClass.style = style;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = ProgramInstance();
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  return ::RegisterClassExA(&windowClass) != 0;
}

bool Window::Create(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                    HMENU menuOrId) {
  if (binding_ != WindowBinding::None) return false;
  HandOver handOver(*this, WindowBinding::Created);
  const HWND window = ::CreateWindowExA(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                                        rect.bottom - rect.top, parent, menuOrId, ProgramInstance(), nullptr);
  // A window whose creation failed half-way has been bound and unbound again.
  return window != nullptr && window_ == window;
}

Window* Window::FromHandle(HWND window) {
  return window ? static_cast<Window*>(::GetPropA(window, kObjectProperty)) : nullptr;
}

bool Window::PreTranslate(MSG& message) {
  for (HWND window = message.hwnd; window; window = ::GetAncestor(window, GA_PARENT)) {
    if (Window* object = FromHandle(window)) {
      if (object->PreTranslateMessage(message)) return true;
    }
    if (!(::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) break;
  }
  return false;
}

Window::HandOver::HandOver(Window& window, WindowBinding binding)
    : previousWindow_(tlsOffer.window), previousBinding_(tlsOffer.binding) {
  OfferHandOver(window, binding);
}

Window::HandOver::~HandOver() { tlsOffer = {previousWindow_, previousBinding_}; }

void Window::OfferHandOver(Window& window, WindowBinding binding) { tlsOffer = {&window, binding}; }

Window* Window::TakeHandOver(HWND window, WindowBinding binding) {
  Window* object = tlsOffer.window;
  if (!object || tlsOffer.binding != binding) return nullptr;
  tlsOffer = {};
  object->Bind(window, binding);
  return object;
}

const MessageMap* Window::GetMessageMap() const { return nullptr; }

bool Window::PreTranslateMessage(MSG&) { return false; }

void Window::OnFinalMessage() {}

LRESULT Window::NotHandled() {
  if (tlsHandled) *tlsHandled = false;
  return 0;
}

bool Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (Window* control = ReflectionTarget(window_, message, lParam)) {
    if (control->Dispatch(Reflected(message), wParam, lParam, result)) return true;
  }
  for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
    for (std::size_t i = 0; i < map->count; ++i) {
      const MessageMapEntry& entry = map->entries[i];
      if (!Matches(entry, message, wParam, lParam)) continue;
      bool handled = true;
      {
        HandledScope scope(&handled);
        result = (this->*entry.handler)(wParam, lParam);
      }
      if (handled) return true;
    }
  }
  // The program speaks ANSI, but a window subclassed through comctl32 turns Unicode, and controls that ask
  // it would then send their notifications (TTN_GETDISPINFO...) in their W forms.
  if (message == WM_NOTIFYFORMAT && lParam == NF_QUERY) {
    result = NFR_ANSI;
    return true;
  }
  return false;
}

void Window::FinishDestroy() {
  Unbind();
  OnFinalMessage();
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* object = FromHandle(window);
  if (!object) object = TakeHandOver(window, WindowBinding::Created);
  if (!object) return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  if (!object->Dispatch(message, wParam, lParam, result)) result = ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) object->FinishDestroy();
  return result;
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* object = reinterpret_cast<Window*>(data);
  LRESULT result = 0;
  if (message == WM_NCDESTROY) {
    object->Dispatch(message, wParam, lParam, result);
    // The subclass has to go while the window still exists.
    ::RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    object->FinishDestroy();
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  if (!object->Dispatch(message, wParam, lParam, result)) result = ::DefSubclassProc(window, message, wParam, lParam);
  return result;
}

void Window::Bind(HWND window, WindowBinding binding) {
  ::SetPropA(window, kObjectProperty, this);
  window_ = window;
  binding_ = binding;
  alive_ = std::make_shared<bool>(true);
}

void Window::Unbind() {
  if (alive_) *alive_ = false;
  alive_.reset();
  ::RemovePropA(window_, kObjectProperty);
  window_ = nullptr;
  binding_ = WindowBinding::None;
}

}  // namespace qiv
