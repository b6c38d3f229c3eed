// The registry side of the install and uninstall runs.
#include "app/ProgramKeys.h"

#include <gtest/gtest.h>

#include "tests/fakes/MemoryRegistry.h"

namespace qiv {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

TEST(ProgramKeys, UninstallEntryNamesTheProgramAndItsUninstallCommand) {
  MemoryRegistry registry;
  WriteUninstallEntry(registry, "C:\\Program Files\\Qiv\\Qiv.exe");

  const std::vector<RegistryValue> values = registry.Values(RegistryRoot::LocalMachine, kUninstallEntryPath);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].name, "DisplayName");
  EXPECT_EQ(values[0].type, kRegString);
  EXPECT_EQ(values[0].data, Bytes("Qivdesk 2.0"));
  EXPECT_EQ(values[1].name, "UninstallString");
  EXPECT_EQ(values[1].data, Bytes("C:\\Program Files\\Qiv\\Qiv.exe /U")) << "the path is not quoted";
}

TEST(ProgramKeys, UninstallEntryIsSkippedWithoutWriteAccess) {
  MemoryRegistry registry;
  registry.SetCreateKeyFails(true);
  WriteUninstallEntry(registry, "C:\\Qiv.exe");
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, kUninstallEntryPath));
}

TEST(ProgramKeys, UninstallDeletesEveryKeyOfTheProgram) {
  MemoryRegistry registry;
  WriteUninstallEntry(registry, "C:\\Qiv.exe");
  registry.PutDword(RegistryRoot::CurrentUser, "Software\\Brevik\\Qiv", "AlwaysOnTop", 1);
  registry.PutString(RegistryRoot::CurrentUser, "Software\\Brevik\\Qiv\\Screens", "ScreenName #0", "Main");
  registry.PutDword(RegistryRoot::CurrentUser, "Software\\Brevik\\Qiv\\Sticky", "Flag #0", 1);

  DeleteProgramKeys(registry);

  for (const auto& [root, path] : {std::pair{RegistryRoot::LocalMachine, std::string(kUninstallEntryPath)},
                                   std::pair{RegistryRoot::CurrentUser, std::string("Software\\Brevik\\Qiv\\Screens")},
                                   std::pair{RegistryRoot::CurrentUser, std::string("Software\\Brevik\\Qiv\\Sticky")},
                                   std::pair{RegistryRoot::CurrentUser, std::string("Software\\Brevik\\Qiv")}}) {
    EXPECT_FALSE(registry.KeyExists(root, path)) << path;
  }
  EXPECT_TRUE(registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Brevik")) << "the maker's key is not ours";
}

}  // namespace
}  // namespace qiv
