// What the install and uninstall runs do to the registry.
#include "app/ProgramKeys.h"

#include "engine/RegistryData.h"
#include "engine/ScreenList.h"
#include "engine/StickyRuleList.h"
#include "resources/Version.h"
#include "shell/Settings.h"

namespace qiv {

void WriteUninstallEntry(Registry& registry, const std::string& executablePath) {
  std::unique_ptr<RegistryKey> key = registry.CreateKey(RegistryRoot::LocalMachine, kUninstallEntryPath);
  if (!key) return;
  WriteStringValue(*key, "DisplayName", "Qivdesk " QIV_VERSION_TEXT, TerminatingZero::Counted);
  WriteStringValue(*key, "UninstallString", executablePath + " /U", TerminatingZero::Counted);
}

void DeleteProgramKeys(Registry& registry) {
  registry.DeleteKey(RegistryRoot::LocalMachine, kUninstallEntryPath);
  registry.DeleteKey(RegistryRoot::CurrentUser, ScreenList::kRegistryPath);
  registry.DeleteKey(RegistryRoot::CurrentUser, StickyRuleList::kRegistryPath);
  registry.DeleteKey(RegistryRoot::CurrentUser, Settings::kRegistryPath);
}

}  // namespace qiv
