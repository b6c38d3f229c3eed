// The ordered list of screens; a screen's position is its index everywhere in the program.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/HotKey.h"
#include "engine/Screen.h"
#include "platform/IconSource.h"
#include "platform/Registry.h"

namespace qiv {

class ScreenList {
 public:
  // Under HKEY_CURRENT_USER.
  static constexpr char kRegistryPath[] = "Software\\Brevik\\Qiv\\Screens";

  explicit ScreenList(IconSource& icons);
  // A copy has to extract its icons anew: use CopyFrom.
  ScreenList(const ScreenList&) = delete;
  ScreenList& operator=(const ScreenList&) = delete;

  // Creates a screen and puts it at position. Past the end the list grows and the positions
  // skipped stay empty; an empty position takes the screen; an occupied one keeps its screen and
  // the new one is dropped. Answers whether the screen was placed.
  bool Add(const std::string& name, const std::string& iconFile, std::int32_t iconIndex, const HotKey& hotKey,
           int position);
  void Remove(int position);
  // Exchange the screen with its neighbour; false when there is none on that side.
  bool MoveUp(int position);
  bool MoveDown(int position);
  void Rename(int position, const std::string& name);
  void SetIcon(int position, const std::string& iconFile, std::int32_t iconIndex);
  void SetHotKey(int position, const HotKey& hotKey);
  // Empties this list and adds each screen of other at its position.
  void CopyFrom(const ScreenList& other);

  int Count() const { return static_cast<int>(screens_.size()); }
  // Where this list takes its icons from, and so must a copy of it.
  IconSource& Icons() const { return icons_; }
  // Null for an empty position and one outside the list.
  const Screen* At(int position) const;
  // These answer the empty value for an empty position and one outside the list.
  std::string Name(int position) const;
  IconHandle Icon(int position) const;
  std::string IconFile(int position) const;
  std::int32_t IconIndex(int position) const;
  HotKey HotKeyOf(int position) const;

  // Replaces the list by the stored one; the five default screens when none is stored. Stored screens from
  // position maxCount on are left out (and stay stored). True when the list is the stored one.
  bool Load(Registry& registry, int maxCount = std::numeric_limits<int>::max());
  // Rewrites the key from scratch, so positions are stored densely. settingsSaveBlocked: the
  // program has just been uninstalled and must write nothing back.
  void Save(Registry& registry, bool settingsSaveBlocked) const;

 private:
  Screen* Slot(int position);
  void AddDefaults();

  IconSource& icons_;
  std::vector<std::optional<Screen>> screens_;
};

}  // namespace qiv
