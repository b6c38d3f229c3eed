// The ordered list of screens; a screen's position is its index everywhere in the program.
#include "engine/ScreenList.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "engine/DecimalText.h"
#include "engine/NumberedValues.h"
#include "engine/RegistryData.h"

namespace qiv {
namespace {

constexpr char kIconPrefix[] = "Screen #";
constexpr char kNamePrefix[] = "ScreenName #";
constexpr char kHotKeyPrefix[] = "HotKey #";

struct DefaultScreen {
  const char* name;
  std::int32_t iconIndex;
  HotKey hotKey;
};

// Ctrl+Alt+1 to Ctrl+Alt+5.
const DefaultScreen kDefaultScreens[] = {
    {"Main", 0, {'1', HotKey::kCtrl | HotKey::kAlt}},  {"The Web", 1, {'2', HotKey::kCtrl | HotKey::kAlt}},
    {"Music", 2, {'3', HotKey::kCtrl | HotKey::kAlt}}, {"Pictures", 3, {'4', HotKey::kCtrl | HotKey::kAlt}},
    {"Misc", 4, {'5', HotKey::kCtrl | HotKey::kAlt}},
};

// "file index"; the split is at the last blank, so a file path with blanks survives. Without a
// blank the whole text is the file and the index is the number it begins with.
void SplitIconText(const std::string& text, std::string& iconFile, std::int32_t& iconIndex) {
  const std::size_t blank = text.rfind(' ');
  if (blank == std::string::npos) {
    iconFile = text;
    iconIndex = LeadingDecimal(text);
  } else {
    iconFile = text.substr(0, blank);
    iconIndex = LeadingDecimal(text.substr(blank + 1));
  }
}

}  // namespace

ScreenList::ScreenList(IconSource& icons) : icons_(icons) {}

Screen* ScreenList::Slot(int position) {
  if (position < 0 || position >= Count() || !screens_[position]) return nullptr;
  return &*screens_[position];
}

const Screen* ScreenList::At(int position) const {
  if (position < 0 || position >= Count() || !screens_[position]) return nullptr;
  return &*screens_[position];
}

bool ScreenList::Add(const std::string& name, const std::string& iconFile, std::int32_t iconIndex, const HotKey& hotKey,
                     int position) {
  if (position < 0) return false;
  if (position >= Count()) screens_.resize(position + 1);
  if (screens_[position]) return false;
  Screen screen;
  screen.name = name;
  screen.hotKey = hotKey;
  screen.SetIcon(icons_, iconFile, iconIndex);
  screens_[position] = std::move(screen);
  return true;
}

void ScreenList::Remove(int position) {
  if (position < 0 || position >= Count()) return;
  screens_.erase(screens_.begin() + position);
}

bool ScreenList::MoveUp(int position) {
  if (position <= 0 || position >= Count()) return false;
  std::swap(screens_[position], screens_[position - 1]);
  return true;
}

bool ScreenList::MoveDown(int position) {
  if (position < 0 || position >= Count() - 1) return false;
  std::swap(screens_[position], screens_[position + 1]);
  return true;
}

void ScreenList::Rename(int position, const std::string& name) {
  if (Screen* screen = Slot(position)) screen->name = name;
}

void ScreenList::SetIcon(int position, const std::string& iconFile, std::int32_t iconIndex) {
  if (Screen* screen = Slot(position)) screen->SetIcon(icons_, iconFile, iconIndex);
}

void ScreenList::SetHotKey(int position, const HotKey& hotKey) {
  if (Screen* screen = Slot(position)) screen->hotKey = hotKey;
}

void ScreenList::CopyFrom(const ScreenList& other) {
  if (&other == this) return;
  screens_.clear();
  for (int position = 0; position < other.Count(); ++position) {
    if (const Screen* screen = other.At(position)) {
      Add(screen->name, screen->iconFile, screen->iconIndex, screen->hotKey, position);
    }
  }
}

std::string ScreenList::Name(int position) const {
  const Screen* screen = At(position);
  return screen != nullptr ? screen->name : std::string();
}

IconHandle ScreenList::Icon(int position) const {
  const Screen* screen = At(position);
  return screen != nullptr ? screen->icon : nullptr;
}

std::string ScreenList::IconFile(int position) const {
  const Screen* screen = At(position);
  return screen != nullptr ? screen->iconFile : std::string();
}

std::int32_t ScreenList::IconIndex(int position) const {
  const Screen* screen = At(position);
  return screen != nullptr ? screen->iconIndex : 0;
}

HotKey ScreenList::HotKeyOf(int position) const {
  const Screen* screen = At(position);
  return screen != nullptr ? screen->hotKey : HotKey{};
}

void ScreenList::AddDefaults() {
  int position = 0;
  for (const DefaultScreen& screen : kDefaultScreens) {
    Add(screen.name, std::string(), screen.iconIndex, screen.hotKey, position++);
  }
}

bool ScreenList::Load(Registry& registry, int maxCount) {
  screens_.clear();
  if (std::unique_ptr<RegistryKey> key = registry.OpenKey(RegistryRoot::CurrentUser, kRegistryPath)) {
    // Names and hot keys may come before the screen of their position: keep them until the end.
    std::map<std::int32_t, std::string> names;
    std::map<std::int32_t, std::string> hotKeyTexts;
    // One stored "Screen #9999" makes ten thousand screens through the fill below: it stops at the limit.
    int filledCount = 0;
    ForEachStoredValue(*key, [&](const RegistryValue& value) {
      std::int32_t position = 0;
      if (ReadNumberedName(value.name, kIconPrefix, position)) {
        filledCount = std::max(filledCount, std::min(position, maxCount - 1) + 1);
        if (position >= maxCount) return;
        std::string iconFile;
        std::int32_t iconIndex = 0;
        SplitIconText(StringFromData(value.data), iconFile, iconIndex);
        Add(std::string(), iconFile, iconIndex, HotKey{}, position);
      } else if (ReadNumberedName(value.name, kNamePrefix, position)) {
        names[position] = StringFromData(value.data);
      } else if (ReadNumberedName(value.name, kHotKeyPrefix, position)) {
        hotKeyTexts[position] = StringFromData(value.data);
      }
    });
    for (const auto& [position, name] : names) Rename(position, name);
    for (const auto& [position, text] : hotKeyTexts) {
      if (Screen* screen = Slot(position)) screen->hotKey.ReadText(text);
    }
    if (Count() < filledCount) screens_.resize(filledCount);
    for (int position = 0; position < Count(); ++position) {
      if (!screens_[position]) Add(std::to_string(position + 1), std::string(), 0, HotKey{}, position);
    }
  }
  if (!screens_.empty()) return true;
  AddDefaults();
  return false;
}

void ScreenList::Save(Registry& registry, bool settingsSaveBlocked) const {
  if (settingsSaveBlocked) return;
  registry.DeleteKey(RegistryRoot::CurrentUser, kRegistryPath);
  std::unique_ptr<RegistryKey> key = registry.CreateKey(RegistryRoot::CurrentUser, kRegistryPath);
  if (!key) return;
  for (int position = 0; position < Count(); ++position) {
    const Screen* screen = At(position);
    if (screen == nullptr) continue;
    WriteStringValue(*key, NumberedValueName(kIconPrefix, position),
                     screen->iconFile + ' ' + std::to_string(screen->iconIndex), TerminatingZero::Counted);
    WriteStringValue(*key, NumberedValueName(kNamePrefix, position), screen->name, TerminatingZero::Counted);
    WriteStringValue(*key, NumberedValueName(kHotKeyPrefix, position), screen->hotKey.ToText(),
                     TerminatingZero::Counted);
  }
}

}  // namespace qiv
