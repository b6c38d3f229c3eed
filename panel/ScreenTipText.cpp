// The text of a screen button's tooltip.
#include "panel/ScreenTipText.h"

namespace qiv {
namespace {

void AppendLine(std::string& text, const std::string& line) {
  if (!text.empty()) text += "\r\n";
  text += line;
}

}  // namespace

std::string ScreenTipText(const std::string& screenName, bool showName, bool showContent,
                          const std::vector<std::string>& titles) {
  std::string text;
  if (showName) text = showContent ? "__ " + screenName + " __" : screenName;
  if (!showContent) return text;
  bool anyTitle = false;
  for (size_t i = 0; i < titles.size(); ++i) {
    if (titles[i].empty()) continue;
    AppendLine(text, std::to_string(i + 1) + ". " + titles[i]);
    anyTitle = true;
  }
  if (!anyTitle) AppendLine(text, "(empty)");
  return text;
}

}  // namespace qiv
