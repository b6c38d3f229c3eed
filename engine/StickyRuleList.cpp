// The ordered sticky rules, kept with the settings.
#include "engine/StickyRuleList.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>

#include "engine/NumberedValues.h"
#include "engine/RegistryData.h"

namespace qiv {
namespace {

constexpr char kTextPrefix[] = "Text #";
constexpr char kClassPrefix[] = "Class #";
constexpr char kFlagPrefix[] = "Flag #";

// How many positions a stored collection covers: its highest position plus one.
template <typename T>
std::int32_t StoredSize(const std::map<std::int32_t, T>& collection) {
  return collection.empty() ? 0 : collection.rbegin()->first + 1;
}

template <typename T>
T StoredAt(const std::map<std::int32_t, T>& collection, std::int32_t position) {
  const auto found = collection.find(position);
  return found == collection.end() ? T{} : found->second;
}

}  // namespace

void StickyRuleList::Remove(int position) {
  if (position < 0 || position >= Count()) return;
  rules_.erase(rules_.begin() + position);
}

const StickyRule* StickyRuleList::At(int position) const {
  if (position < 0 || position >= Count()) return nullptr;
  return &rules_[position];
}

void StickyRuleList::Load(Registry& registry) {
  std::unique_ptr<RegistryKey> key = registry.OpenKey(RegistryRoot::CurrentUser, kRegistryPath);
  if (!key) return;
  std::map<std::int32_t, std::string> texts;
  std::map<std::int32_t, std::string> classNames;
  std::map<std::int32_t, std::uint32_t> flags;
  ForEachStoredValue(*key, [&](const RegistryValue& value) {
    std::int32_t position = 0;
    if (ReadNumberedName(value.name, kTextPrefix, position)) {
      texts[position] = StringFromData(value.data);
    } else if (ReadNumberedName(value.name, kClassPrefix, position)) {
      classNames[position] = StringFromData(value.data);
    } else if (ReadNumberedName(value.name, kFlagPrefix, position)) {
      // The flag word is the first four bytes, whatever type the value was stored with.
      flags[position] = DwordFromData(value.data);
    }
  });
  // A rule needs all three parts: the list ends where the shortest collection ends.
  const std::int32_t count = std::min({StoredSize(texts), StoredSize(classNames), StoredSize(flags)});
  for (std::int32_t position = 0; position < count; ++position) {
    StickyRule rule;
    rule.text = StoredAt(texts, position);
    rule.className = StoredAt(classNames, position);
    rule.SetFlags(StoredAt(flags, position));
    rules_.push_back(rule);
  }
}

void StickyRuleList::Save(Registry& registry) const {
  registry.DeleteKey(RegistryRoot::CurrentUser, kRegistryPath);
  std::unique_ptr<RegistryKey> key = registry.CreateKey(RegistryRoot::CurrentUser, kRegistryPath);
  if (!key) return;
  for (int position = 0; position < Count(); ++position) {
    const StickyRule& rule = rules_[position];
    WriteStringValue(*key, NumberedValueName(kTextPrefix, position), rule.text, TerminatingZero::NotCounted);
    WriteStringValue(*key, NumberedValueName(kClassPrefix, position), rule.className, TerminatingZero::NotCounted);
    WriteDwordValue(*key, NumberedValueName(kFlagPrefix, position), rule.Flags());
  }
}

bool MatchesStickyRule(const StickyRuleList& rules, const std::string& windowText, const std::string& className) {
  if (windowText.empty() && className.empty()) return false;
  return std::any_of(rules.begin(), rules.end(),
                     [&](const StickyRule& rule) { return rule.Matches(windowText, className); });
}

}  // namespace qiv
