// A tooltip control with tools identified by (window, id) and a rectangle.
#include "framework/ToolTip.h"

#include "framework/Program.h"

namespace qiv {
namespace {

// The full (version 6) structure: the program's manifest enables common controls 6, which insists on it
// where version 5 refuses it.
TOOLINFOA ToolInfo(HWND owner, UINT_PTR id) {
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.hwnd = owner;
  info.uId = id;
  info.hinst = ProgramInstance();
  return info;
}

}  // namespace

ToolTip::~ToolTip() {
  if (created_ && ::IsWindow(Handle())) ::DestroyWindow(Handle());
}

bool ToolTip::Create(HWND owner) {
  if (created_) return false;
  const HWND window =
      ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ProgramInstance(), nullptr);
  if (!window) return false;
  Attach(window);
  created_ = true;
  return true;
}

bool ToolTip::AddTool(HWND owner, UINT_PTR id, const RECT& rect, const char* text) const {
  TOOLINFOA info = ToolInfo(owner, id);
  info.rect = rect;
  info.lpszText = const_cast<char*>(text);
  return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void ToolTip::DeleteTool(HWND owner, UINT_PTR id) const {
  TOOLINFOA info = ToolInfo(owner, id);
  Send(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::UpdateText(HWND owner, UINT_PTR id, const char* text) const {
  TOOLINFOA info = ToolInfo(owner, id);
  info.lpszText = const_cast<char*>(text);
  Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

int ToolTip::ToolCount() const { return static_cast<int>(Send(TTM_GETTOOLCOUNT)); }

void ToolTip::SetMaxWidth(int width) const { Send(TTM_SETMAXTIPWIDTH, 0, width); }

void ToolTip::Activate(bool active) const { Send(TTM_ACTIVATE, active ? TRUE : FALSE); }

void ToolTip::RelayEvent(const MSG& message) const { Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message)); }

}  // namespace qiv
