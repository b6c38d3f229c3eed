// A rule that keeps matching windows on every screen: they are never tracked.
#include "engine/StickyRule.h"

namespace qiv {

std::uint32_t StickyRule::Flags() const {
  return (useText ? kUseTextFlag : 0) | (isFragment ? kFragmentFlag : 0) | (useClass ? kUseClassFlag : 0);
}

void StickyRule::SetFlags(std::uint32_t flags) {
  useText = (flags & kUseTextFlag) != 0;
  isFragment = (flags & kFragmentFlag) != 0;
  useClass = (flags & kUseClassFlag) != 0;
}

bool StickyRule::Matches(const std::string& windowText, const std::string& windowClass) const {
  if (useText) {
    const bool textMatches = isFragment ? windowText.find(text) != std::string::npos : windowText == text;
    if (!textMatches) return false;
  }
  return !useClass || windowClass == className;
}

}  // namespace qiv
