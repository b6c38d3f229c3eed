// A rule that keeps matching windows on every screen: they are never tracked.
#pragma once

#include <cstdint>
#include <string>

namespace qiv {

struct StickyRule {
  // Bits of the stored flag word.
  static constexpr std::uint32_t kUseTextFlag = 1;
  static constexpr std::uint32_t kFragmentFlag = 2;
  static constexpr std::uint32_t kUseClassFlag = 4;

  std::string text;
  std::string className;
  bool useText = false;
  bool isFragment = false;  // text is looked for inside the window text, not compared with all of it
  bool useClass = false;

  std::uint32_t Flags() const;
  // Other bits are ignored.
  void SetFlags(std::uint32_t flags);

  // Case-sensitive; a rule with neither useText nor useClass matches every window.
  bool Matches(const std::string& windowText, const std::string& windowClass) const;
};

}  // namespace qiv
