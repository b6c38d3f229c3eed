// What the Sticky Windows page and its rule editor decide about a rule.
#include "settings/StickyRuleEntry.h"

namespace qiv {

std::string RuleText(const std::string& text, const std::string& className) {
  std::string row = text;
  if (className.empty()) return row;
  if (!text.empty()) row += " - ";
  return row + className;
}

StickyRule RuleFromWindow(const std::string& text, const std::string& className) {
  StickyRule rule;
  rule.text = text;
  rule.className = className;
  rule.useText = !text.empty();
  rule.useClass = !className.empty();
  return rule;
}

RuleEntryProblem CheckRuleEntry(const StickyRule& entry) {
  if (!entry.useText && !entry.useClass) return RuleEntryProblem::kNothingChecked;
  if (entry.useText && entry.text.empty()) return RuleEntryProblem::kEmptyValue;
  if (entry.useClass && entry.className.empty()) return RuleEntryProblem::kEmptyValue;
  return RuleEntryProblem::kNone;
}

}  // namespace qiv
