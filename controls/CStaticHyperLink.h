// A dialog's static text turned into a link: underlined link colour, hand cursor, the target as tooltip,
// and a click that opens the target.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "controls/HyperLinkTarget.h"
#include "framework/MessageMap.h"
#include "framework/ToolTip.h"
#include "framework/UniqueHandle.h"
#include "framework/Window.h"

namespace qiv {

class CStaticHyperLink : public Window {
 public:
  CStaticHyperLink() = default;

  // Takes over the dialog's static id and prepares cursor, tooltip and underlined font.
  bool SubclassDlgItem(HWND dialog, int id);

  // kind is one of the link kinds of HyperLinkTarget.h; parameters and directory go to the shell as given.
  void SetLink(int kind, const std::string& target, const std::string& parameters, const std::string& directory);
  // A page of the help folder, with the current directory as working directory.
  void SetHelpLink(const std::string& page);

 protected:
  // Every message for the control shows or hides the tip.
  bool PreTranslateMessage(MSG& message) override;

  QIV_DECLARE_MESSAGE_MAP()

 private:
  LRESULT OnControlColour(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnClicked(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  bool IsTextType() const;
  std::string WindowText() const;
  void UpdateTooltip();
  void MakeUnderlinedFont();
  // The shell's answer for the target, or true for a help page (which reports its own failure).
  bool Open(const HyperLinkTarget& target) const;

  COLORREF linkColour_ = RGB(0, 0, 255);
  COLORREF visitedColour_ = RGB(128, 0, 128);
  bool visited_ = false;
  bool useTextAsTarget_ = true;
  bool fontReady_ = false;
  // A shared resource cursor: not destroyed.
  HCURSOR cursor_ = nullptr;
  UniqueFont underlinedFont_;
  std::optional<ToolTip> tooltips_;
  std::string tooltipText_;
  std::string target_;
  std::string parameters_;
  std::string directory_;
  int kind_ = kHelpPageLink;
};

}  // namespace qiv
