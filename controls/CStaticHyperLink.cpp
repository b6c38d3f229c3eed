// A dialog's static text turned into a link: underlined link colour, hand cursor, the target as tooltip,
// and a click that opens the target.
#include "controls/CStaticHyperLink.h"

#include <shellapi.h>

#include "framework/GdiObjects.h"
#include "framework/Program.h"
#include "framework/ShowMessage.h"
#include "resources/resource.h"
#include "shell/ShellServices.h"

namespace qiv {
namespace {

constexpr UINT_PTR kToolId = 1;

const char* NullIfEmpty(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

QIV_BEGIN_MESSAGE_MAP(CStaticHyperLink, Window)
  QIV_ON_REFLECTED(WM_CTLCOLORSTATIC, OnControlColour)
  QIV_ON_MESSAGE(WM_ERASEBKGND, OnEraseBackground)
  QIV_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
  QIV_ON_REFLECTED_COMMAND(STN_CLICKED, OnClicked)
  QIV_ON_MESSAGE(WM_DESTROY, OnDestroy)
QIV_END_MESSAGE_MAP()

bool CStaticHyperLink::SubclassDlgItem(HWND dialog, int id) {
  if (!Subclass(::GetDlgItem(dialog, id))) return false;
  cursor_ = ::LoadCursorA(ProgramInstance(), MAKEINTRESOURCEA(IDCUR_HAND));
  tooltips_.emplace();
  if (tooltips_->Create(Handle())) {
    RECT client;
    ::GetClientRect(Handle(), &client);
    tooltips_->AddTool(Handle(), kToolId, client, tooltipText_.c_str());
  } else {
    tooltips_.reset();
  }
  UpdateTooltip();
  if (!fontReady_) MakeUnderlinedFont();
  return true;
}

void CStaticHyperLink::SetLink(int kind, const std::string& target, const std::string& parameters,
                               const std::string& directory) {
  kind_ = kind;
  target_ = target;
  parameters_ = parameters;
  directory_ = directory;
  UpdateTooltip();
}

void CStaticHyperLink::SetHelpLink(const std::string& page) {
  char directory[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, directory);
  SetLink(kHelpPageLink, page, std::string(), directory);
}

bool CStaticHyperLink::PreTranslateMessage(MSG& message) {
  if (tooltips_) {
    tooltips_->Activate(true);
    tooltips_->RelayEvent(message);
  }
  return false;
}

LRESULT CStaticHyperLink::OnControlColour(WPARAM wParam, LPARAM) {
  const auto dc = reinterpret_cast<HDC>(wParam);
  const LONG style = ::GetWindowLongA(Handle(), GWL_STYLE);
  // Without it the static reports no clicks and lets the mouse through to the dialog.
  if (!(style & SS_NOTIFY)) ::SetWindowLongA(Handle(), GWL_STYLE, style | SS_NOTIFY);
  if (!IsTextType()) return NotHandled();
  // Left selected on purpose: Windows' static selects its own font before it asks for colours, draws its
  // text with whatever the DC holds after the answer, and then puts back the font it found. (Wine 8's
  // common-controls static selects its font after asking, so there the text shows without underline.)
  if (underlinedFont_) ::SelectObject(dc, underlinedFont_.Get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, visited_ ? visitedColour_ : linkColour_);
  return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

LRESULT CStaticHyperLink::OnEraseBackground(WPARAM wParam, LPARAM) {
  RECT client;
  ::GetClientRect(Handle(), &client);
  ::FillRect(reinterpret_cast<HDC>(wParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}

LRESULT CStaticHyperLink::OnSetCursor(WPARAM, LPARAM) {
  if (!cursor_) return NotHandled();
  ::SetCursor(cursor_);
  return TRUE;
}

LRESULT CStaticHyperLink::OnClicked(WPARAM, LPARAM) {
  const HyperLinkTarget target = ResolveHyperLinkTarget(kind_, target_, useTextAsTarget_, WindowText());
  const HWND window = Handle();
  // The shell and the message boxes pump messages: the dialog, and this object with it, may be gone when
  // they return.
  const WindowToken alive = Token();
  const bool opened = Open(target);
  if (!alive.Alive()) return 0;
  if (!opened) {
    ShowMessage(window, FormatCantOpenFile(target.file).c_str(), MB_OK);
    if (!alive.Alive()) return 0;
  }
  visited_ = true;
  ::InvalidateRect(window, nullptr, TRUE);
  return 0;
}

LRESULT CStaticHyperLink::OnDestroy(WPARAM, LPARAM) {
  if (tooltips_) {
    tooltips_->DeleteTool(Handle(), kToolId);
    tooltips_.reset();
  }
  return NotHandled();
}

bool CStaticHyperLink::IsTextType() const {
  return IsTextStatic(static_cast<std::uint32_t>(::GetWindowLongA(Handle(), GWL_STYLE)));
}

std::string CStaticHyperLink::WindowText() const {
  const int length = ::GetWindowTextLengthA(Handle());
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(Handle(), text.data(), length + 1)));
  return text;
}

void CStaticHyperLink::UpdateTooltip() {
  tooltipText_ = HyperLinkTooltipText(target_, useTextAsTarget_, IsTextType(), WindowText());
  if (tooltips_) tooltips_->UpdateText(Handle(), kToolId, tooltipText_.c_str());
}

void CStaticHyperLink::MakeUnderlinedFont() {
  if (!IsTextType()) return;
  const auto font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
  LOGFONTA description{};
  if (!font || ::GetObjectA(font, sizeof description, &description) == 0) return;
  description.lfUnderline = TRUE;
  underlinedFont_ = MakeFont(description);
  fontReady_ = underlinedFont_.IsValid();
}

bool CStaticHyperLink::Open(const HyperLinkTarget& target) const {
  if (target.helpPage) {
    OpenHelpFile(target.file);
    return true;
  }
  const auto result =
      reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, NullIfEmpty(target.verb), target.file.c_str(),
                                                NullIfEmpty(parameters_), NullIfEmpty(directory_), SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace qiv
