// The ordered sticky rules, kept with the settings.
#pragma once

#include <string>
#include <vector>

#include "engine/StickyRule.h"
#include "platform/Registry.h"

namespace qiv {

// A plain value: copying a list is its copy.
class StickyRuleList {
 public:
  // Under HKEY_CURRENT_USER.
  static constexpr char kRegistryPath[] = "Software\\Brevik\\Qiv\\Sticky";

  void Append(const StickyRule& rule) { rules_.push_back(rule); }
  void Remove(int position);
  void Clear() { rules_.clear(); }

  int Count() const { return static_cast<int>(rules_.size()); }
  // Null outside the list.
  const StickyRule* At(int position) const;
  std::vector<StickyRule>::const_iterator begin() const { return rules_.begin(); }
  std::vector<StickyRule>::const_iterator end() const { return rules_.end(); }

  // Appends the stored rules; a missing key leaves the list as it is.
  void Load(Registry& registry);
  // Rewrites the key from scratch. Whether saving is blocked is the caller's check.
  void Save(Registry& registry) const;

 private:
  std::vector<StickyRule> rules_;
};

// True when a rule matches the window with this text and class name (each as read from the
// window, cut at 1000 characters). A window with neither text nor class name matches nothing.
bool MatchesStickyRule(const StickyRuleList& rules, const std::string& windowText, const std::string& className);

}  // namespace qiv
