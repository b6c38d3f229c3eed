// What the Sticky Windows page and its rule editor decide about a rule without looking at the screen: the text
// of its row, the rule a found window gives, and whether the editor's entries make a rule.
#pragma once

#include <string>

#include "engine/StickyRule.h"

namespace qiv {

// The text first, then the class behind " - " (the dash only between two texts).
std::string RuleText(const std::string& text, const std::string& className);

// A window's rule as the editor first offers it: each part that the window has is on, the text compared whole.
StickyRule RuleFromWindow(const std::string& text, const std::string& className);

enum class RuleEntryProblem {
  kNone,
  kNothingChecked,  // neither the text nor the class takes part: the rule would match every window
  kEmptyValue,      // a part that takes part is empty
};

// The entries are the editor's: text and class are kept whatever their check boxes say.
RuleEntryProblem CheckRuleEntry(const StickyRule& entry);

}  // namespace qiv
