// An icon source for tests.
#include "tests/fakes/FakeIconSource.h"

#include <utility>

namespace qiv {

IconHandle FakeIconSource::Make(std::string source) {
  IconHandle icon = reinterpret_cast<IconHandle>(nextHandle_);
  nextHandle_ += 0x10;
  sources_.emplace(icon, std::move(source));
  return icon;
}

IconHandle FakeIconSource::LoadBuiltinIcon(int resourceId) {
  if (missingResources_.count(resourceId) != 0) return nullptr;
  return Make("resource " + std::to_string(resourceId));
}

IconHandle FakeIconSource::ExtractFileIcon(const std::string& file, int index) {
  if (missingFiles_.count(file) != 0) return nullptr;
  return Make("file " + file + ' ' + std::to_string(index));
}

std::string FakeIconSource::SourceOf(IconHandle icon) const {
  const auto found = sources_.find(icon);
  return found == sources_.end() ? std::string() : found->second;
}

}  // namespace qiv
