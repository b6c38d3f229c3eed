// What a click on a hyperlink static opens and how, and what its tooltip says: the decisions of
// CStaticHyperLink that need no window.
#pragma once

#include <cstdint>
#include <string>

namespace qiv {

// Link kinds: how a click opens the target. Any other value opens it with the shell's default verb.
constexpr int kHelpPageLink = 2;  // a page of the program's help folder
constexpr int kOpenLink = 3;      // the shell's "open" verb
constexpr int kMailLink = 4;      // "open" on "mailto:" and the address

struct HyperLinkTarget {
  // Open file as a page of the help folder (which reports its own failure) instead of through the shell.
  bool helpPage = false;
  // The shell verb; empty for the shell's default verb.
  std::string verb;
  // What the help folder or the shell is given.
  std::string file;
};

// What a click opens. An empty target stands for the control's text when useTextAsTarget is set, for this
// click only, and an e-mail address gets its "mailto:" for this click only.
HyperLinkTarget ResolveHyperLinkTarget(int kind, const std::string& target, bool useTextAsTarget,
                                       const std::string& windowText);

// The tooltip shows the target; without one, the control's text, but only for a text static (a picture's
// text is no address).
std::string HyperLinkTooltipText(const std::string& target, bool useTextAsTarget, bool textStatic,
                                 const std::string& windowText);

// Left, centred, right, simple or left-without-wrap text. The whole low byte of the style counts.
bool IsTextStatic(std::uint32_t style);

}  // namespace qiv
