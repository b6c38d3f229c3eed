// Message maps: a static table per class of (message, notification code, control id) -> handler entries.
#pragma once

#include <windows.h>

#include <cstddef>
#include <iterator>

#include "framework/Window.h"

namespace qiv {

// Every handler has this shape. Declared here, after Window is complete, so that every compiler gives the
// member pointer the same single-inheritance layout.
using MessageHandler = LRESULT (Window::*)(WPARAM, LPARAM);

// WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM and WM_CTLCOLOR* from a child control reach the
// control's own object first, as this base plus the message; only when it leaves them do they reach the
// parent's map.
constexpr UINT kReflectedMessageBase = 0x2000;
constexpr UINT Reflected(UINT message) { return kReflectedMessageBase + message; }

// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC: a child asks its parent for its colours (lParam is the child). A
// dialog procedure answers them with the brush as its return value, not through DWLP_MSGRESULT.
constexpr bool IsControlColourMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

enum class MatchBy : unsigned char {
  Message,      // the message alone
  Command,      // WM_COMMAND (or its reflection) with this control id and notification code
  CommandCode,  // WM_COMMAND (or its reflection) with this notification code, any id
  Notify,       // WM_NOTIFY (or its reflection) with this idFrom and code
  NotifyCode,   // WM_NOTIFY (or its reflection) with this code, any idFrom
};

struct MessageMapEntry {
  UINT message;
  MatchBy match;
  UINT code;
  UINT id;
  MessageHandler handler;
};

// A class's entries, searched in order, then its base class's map.
struct MessageMap {
  const MessageMap* base;
  const MessageMapEntry* entries;
  std::size_t count;
};

}  // namespace qiv

// In the class body.
#define QIV_DECLARE_MESSAGE_MAP() \
 protected:                       \
  const ::qiv::MessageMap* GetMessageMap() const override;

// In the .cpp file: QIV_BEGIN_MESSAGE_MAP(Class, BaseClass), one QIV_ON_... line per entry, QIV_END_MESSAGE_MAP().
#define QIV_BEGIN_MESSAGE_MAP(ThisClass, BaseClass)           \
  const ::qiv::MessageMap* ThisClass::GetMessageMap() const { \
    using MapClass = ThisClass;                               \
    using MapBase = BaseClass;                                \
    static const ::qiv::MessageMapEntry entries[] = {
#define QIV_END_MESSAGE_MAP()                                                                \
  }                                                                                          \
  ;                                                                                          \
  static const ::qiv::MessageMap map{MapBase::GetMessageMap(), entries, std::size(entries)}; \
  return &map;                                                                               \
  }

#define QIV_MAP_ENTRY(message, match, code, id, handler)                                              \
  {static_cast<UINT>(message), ::qiv::MatchBy::match, static_cast<UINT>(code), static_cast<UINT>(id), \
   static_cast<::qiv::MessageHandler>(&MapClass::handler)},

#define QIV_ON_MESSAGE(message, handler) QIV_MAP_ENTRY(message, Message, 0, 0, handler)
#define QIV_ON_COMMAND(id, code, handler) QIV_MAP_ENTRY(WM_COMMAND, Command, code, id, handler)
#define QIV_ON_NOTIFY(id, code, handler) QIV_MAP_ENTRY(WM_NOTIFY, Notify, code, id, handler)
#define QIV_ON_NOTIFY_CODE(code, handler) QIV_MAP_ENTRY(WM_NOTIFY, NotifyCode, code, 0, handler)
#define QIV_ON_REFLECTED(message, handler) QIV_MAP_ENTRY(::qiv::Reflected(message), Message, 0, 0, handler)
#define QIV_ON_REFLECTED_COMMAND(code, handler) \
  QIV_MAP_ENTRY(::qiv::Reflected(WM_COMMAND), CommandCode, code, 0, handler)
#define QIV_ON_REFLECTED_NOTIFY(code, handler) QIV_MAP_ENTRY(::qiv::Reflected(WM_NOTIFY), NotifyCode, code, 0, handler)
