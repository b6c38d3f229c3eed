// The registry interface over advapi32 (ANSI functions).
#pragma once

#include "platform/Registry.h"

namespace qiv {

class Win32Registry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path) override;
  std::unique_ptr<RegistryKey> CreateKey(RegistryRoot root, const std::string& path) override;
  bool DeleteKey(RegistryRoot root, const std::string& path) override;
};

}  // namespace qiv
