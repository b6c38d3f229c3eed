// The screen buttons: the panel's owner-drawn multi-column list box.
#include "panel/ScreenButtonList.h"

#include <vector>

#include "framework/GdiObjects.h"
#include "framework/SelectGuard.h"
#include "panel/PanelMessages.h"
#include "panel/ScreenTipText.h"
#include "platform/win32/Win32IconSource.h"
#include "resources/resource.h"
#include "shell/ShellServices.h"

namespace qiv {
namespace {

constexpr UINT_PTR kFirstToolId = 101;
constexpr int kTipMaxWidth = 400;
constexpr int kIconSize = 32;
constexpr int kDigitWidth = 6;
constexpr int kDigitHeight = 11;

}  // namespace

QIV_BEGIN_MESSAGE_MAP(ScreenButtonList, ListBox)
  QIV_ON_REFLECTED(WM_DRAWITEM, OnDrawItem)
  QIV_ON_MESSAGE(WM_RBUTTONDOWN, OnRightButtonDown)
  // A list box takes a second click soon after the first for a double click.
  QIV_ON_MESSAGE(WM_RBUTTONDBLCLK, OnRightButtonDown)
  QIV_ON_MESSAGE(WM_KEYDOWN, OnSwallowedKey)
  QIV_ON_MESSAGE(WM_KEYUP, OnSwallowedKey)
  QIV_ON_MESSAGE(WM_CHAR, OnSwallowedKey)
  QIV_ON_NOTIFY_CODE(TTN_GETDISPINFOA, OnTipText)
QIV_END_MESSAGE_MAP()

ScreenButtonList::ScreenButtonList(ScreenModel& model, WindowTracker& tracker, Desktop& desktop,
                                   const Settings& settings)
    : model_(model), tracker_(tracker), desktop_(desktop), settings_(settings) {}

bool ScreenButtonList::SubclassDlgItem(HWND dialog, int id) { return Subclass(::GetDlgItem(dialog, id)); }

bool ScreenButtonList::ToggleBlinkPhase() {
  blinkPhase_ = !blinkPhase_;
  for (int i = 0; i < model_.ScreenCount(); ++i) {
    if (model_.Windows(i)->AttentionWindow() != nullptr) return true;
  }
  return false;
}

void ScreenButtonList::RegisterButtonTips() {
  if (!tooltip_) {
    tooltip_.emplace();
    if (!tooltip_->Create(Handle())) {
      tooltip_.reset();
      return;
    }
  } else {
    for (int i = tooltip_->ToolCount(); i > 0; --i) tooltip_->DeleteTool(Handle(), kFirstToolId + i - 1);
  }
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    RECT item = {};
    ItemRect(i, item);
    tooltip_->AddTool(Handle(), kFirstToolId + i, item, LPSTR_TEXTCALLBACK);
  }
  tooltip_->SetMaxWidth(kTipMaxWidth);
}

bool ScreenButtonList::PreTranslateMessage(MSG& message) {
  if (tooltip_) {
    tooltip_->Activate(settings_.ScreenTooltips || settings_.TooltipScreenContent);
    ::SetWindowPos(tooltip_->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOOWNERZORDER);
    tooltip_->RelayEvent(message);
  }
  return false;
}

LRESULT ScreenButtonList::OnTipText(WPARAM, LPARAM lParam) {
  auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
  const int index = static_cast<int>(info->hdr.idFrom - kFirstToolId);
  tipText_.clear();
  if (index >= 0 && index < Count() && index < model_.ScreenCount()) {
    std::vector<std::string> titles;
    for (WindowHandle window : model_.Windows(index)->Windows()) titles.push_back(desktop_.Text(window));
    tipText_ = ScreenTipText(model_.Screens().Name(index), settings_.ScreenTooltips != 0,
                             settings_.TooltipScreenContent != 0, titles);
  } else if (settings_.TooltipScreenContent) {
    tipText_ = ScreenTipText({}, false, true, {});
  }
  info->lpszText = tipText_.data();
  return 0;
}

LRESULT ScreenButtonList::OnRightButtonDown(WPARAM, LPARAM lParam) {
  const int hit = ItemFromPoint({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  if (hit >= 0) ::PostMessageA(::GetParent(Handle()), WM_SCREEN_BUTTON_RCLICK, static_cast<WPARAM>(hit), 0);
  return 0;
}

LRESULT ScreenButtonList::OnSwallowedKey(WPARAM, LPARAM) { return 0; }

LRESULT ScreenButtonList::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  const int index = static_cast<int>(item->itemID);
  if (index < 0 || index >= Count() || index >= model_.ScreenCount()) return TRUE;
  const RECT& target = item->rcItem;
  const int width = target.right - target.left;
  const int height = target.bottom - target.top;
  // Drawn off screen and copied in one operation, so switching and blinking do not flicker.
  UniqueMemoryDc memory = MakeMemoryDc(item->hDC);
  UniqueBitmap bitmap = MakeCompatibleBitmap(item->hDC, width, height);
  if (!memory || !bitmap) return TRUE;
  {
    SelectGuard selected(memory.Get(), bitmap.Get());
    DrawButton(memory.Get(), index, width, height, (item->itemState & ODS_SELECTED) != 0);
    ::BitBlt(item->hDC, target.left, target.top, width, height, memory.Get(), 0, 0, SRCCOPY);
  }
  return TRUE;
}

void ScreenButtonList::DrawButton(HDC dc, int index, int width, int height, bool pressed) {
  ScreenWindows& screen = *model_.Windows(index);
  // Only the answer counts here: the screen-state tick drops the closed windows of the whole list.
  const bool empty = tracker_.CheckScreenEmpty(screen, nullptr, WindowTracker::EmptyCheck::kUntilAnswer);
  COLORREF colour = static_cast<COLORREF>(empty ? settings_.ColorEmptyScreen : settings_.ColorNonemptyScreen);
  if (screen.AttentionWindow() != nullptr && blinkPhase_) colour = static_cast<COLORREF>(settings_.ColorBlinkingScreen);
  const int offset = pressed ? 1 : 0;
  RECT face = {0, 0, width, height};
  DrawFrame3D(dc, face, colour, pressed);
  if (listedScreen_ == index) {
    UniquePen blue = MakePen(PS_SOLID, 1, RGB(0, 0, 255));
    SelectGuard pen(dc, blue.Get());
    const POINT outline[] = {{0, 0}, {width - 1, 0}, {width - 1, height - 1}, {0, height - 1}, {0, 0}};
    ::Polyline(dc, outline, 5);
  }
  ::InflateRect(&face, -2, -2);
  DrawIconAndNumber(dc, index, face, colour, offset);
}

void ScreenButtonList::DrawIconAndNumber(HDC dc, int index, RECT face, COLORREF colour, int pressedOffset) {
  const std::string number = std::to_string(index + 1);
  const int size = face.bottom - face.top;
  if (settings_.ScrBtnIcon) {
    UniqueMemoryDc iconDc = MakeMemoryDc(dc);
    UniqueBitmap iconBitmap = MakeCompatibleBitmap(dc, kIconSize, kIconSize);
    if (iconDc && iconBitmap) {
      SelectGuard selected(iconDc.Get(), iconBitmap.Get());
      UniqueBrush fill = MakeSolidBrush(colour);
      const RECT square = {0, 0, kIconSize, kIconSize};
      ::FillRect(iconDc.Get(), &square, fill.Get());
      if (IconHandle icon = model_.Screens().Icon(index)) ::DrawIcon(iconDc.Get(), 0, 0, ToHicon(icon));
      int x = settings_.DoubleWidth ? (size - 2) / 2 : 0;
      if (settings_.ScrBtnNumber) x -= size / 4;
      ::SetStretchBltMode(dc, COLORONCOLOR);
      ::StretchBlt(dc, face.left + x + pressedOffset, face.top + pressedOffset, size, size, iconDc.Get(), 0, 0,
                   kIconSize, kIconSize, SRCCOPY);
    }
    if (settings_.ScrBtnNumber) {
      UniqueMemoryDc digitsDc = MakeMemoryDc(dc);
      UniqueBitmap digits = LoadBitmapResource(IDB_DIGITS);
      if (digitsDc && digits) {
        SelectGuard selected(digitsDc.Get(), digits.Get());
        // Right-aligned at the bottom right, not shifted when pressed.
        for (size_t k = 0; k < number.size(); ++k) {
          const int digit = number[number.size() - 1 - k] - '0';
          ::BitBlt(dc, face.right - 7 - kDigitWidth * static_cast<int>(k), face.bottom - kDigitHeight, kDigitWidth,
                   kDigitHeight, digitsDc.Get(), digit * kDigitWidth, 0, SRCAND);
        }
      }
    }
  } else if (settings_.ScrBtnNumber) {
    ::OffsetRect(&face, pressedOffset, pressedOffset);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, number.c_str(), -1, &face, DT_CENTER | DT_TOP | DT_SINGLELINE);
  }
}

}  // namespace qiv
