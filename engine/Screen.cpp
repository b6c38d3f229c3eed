// One screen definition: name, icon and hot key.
#include "engine/Screen.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "resources/resource.h"

namespace qiv {
namespace {

// Icon resources of the built-in icons 0 to 4; any other number, and a built-in icon that
// fails to load, gets the last one.
constexpr int kBuiltinIconResources[] = {IDI_SCREEN_MAIN, IDI_SCREEN_WEB, IDI_SCREEN_MUSIC, IDI_SCREEN_PICTURES,
                                         IDI_SCREEN_MISC};
constexpr int kFallbackIconResource = IDI_SCREEN_MISC;

int BuiltinIconResource(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(std::size(kBuiltinIconResources))) return kFallbackIconResource;
  return kBuiltinIconResources[index];
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

void Screen::SetIcon(IconSource& icons, const std::string& file, std::int32_t index) {
  iconFile = file;
  iconIndex = index;
  if (!file.empty()) {
    icon = icons.ExtractFileIcon(file, index);
  } else {
    const int resource = BuiltinIconResource(index);
    icon = icons.LoadBuiltinIcon(resource);
    if (icon == nullptr && resource != kFallbackIconResource) icon = icons.LoadBuiltinIcon(kFallbackIconResource);
  }
  if (icon != nullptr) icons.RegisterIcon(icon);
}

bool Screen::IsSameScreen(const Screen& other) const {
  return EqualsIgnoringCase(name, other.name) && EqualsIgnoringCase(iconFile, other.iconFile) &&
         iconIndex == other.iconIndex;
}

}  // namespace qiv
