// What a click on a hyperlink static opens and how, and what its tooltip says.
#include "controls/HyperLinkTarget.h"

namespace qiv {

HyperLinkTarget ResolveHyperLinkTarget(int kind, const std::string& target, bool useTextAsTarget,
                                       const std::string& windowText) {
  const std::string& file = target.empty() && useTextAsTarget ? windowText : target;
  switch (kind) {
    case kHelpPageLink: return {true, std::string(), file};
    case kOpenLink: return {false, "open", file};
    case kMailLink: return {false, "open", "mailto:" + file};
    default: return {false, std::string(), file};
  }
}

std::string HyperLinkTooltipText(const std::string& target, bool useTextAsTarget, bool textStatic,
                                 const std::string& windowText) {
  if (!target.empty() || !useTextAsTarget) return target;
  return textStatic ? windowText : std::string();
}

bool IsTextStatic(std::uint32_t style) {
  // SS_LEFT, SS_CENTER, SS_RIGHT, SS_SIMPLE, SS_LEFTNOWORDWRAP.
  switch (style & 0xFFu) {
    case 0:
    case 1:
    case 2:
    case 11:
    case 12: return true;
    default: return false;
  }
}

}  // namespace qiv
