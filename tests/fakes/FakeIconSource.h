// An icon source for tests: hands out distinct handles, remembers where each came from, and
// can be told which resources and files have no icon.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/IconSource.h"

namespace qiv {

class FakeIconSource final : public IconSource {
 public:
  IconHandle LoadBuiltinIcon(int resourceId) override;
  IconHandle ExtractFileIcon(const std::string& file, int index) override;
  void RegisterIcon(IconHandle icon) override { registered_.push_back(icon); }

  void SetBuiltinMissing(int resourceId) { missingResources_.insert(resourceId); }
  void SetFileMissing(const std::string& file) { missingFiles_.insert(file); }

  // "resource 201" or "file C:\x.dll 3"; empty for a handle this source did not make.
  std::string SourceOf(IconHandle icon) const;
  const std::vector<IconHandle>& Registered() const { return registered_; }

 private:
  IconHandle Make(std::string source);

  std::set<int> missingResources_;
  std::set<std::string> missingFiles_;
  std::map<IconHandle, std::string> sources_;
  std::vector<IconHandle> registered_;
  std::uintptr_t nextHandle_ = 0x1000;
};

}  // namespace qiv
