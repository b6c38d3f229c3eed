// The in-memory registry behaves as the system's registry where the stores depend on it.
#include "tests/fakes/MemoryRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace qiv {
namespace {

using namespace std::string_literals;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

TEST(MemoryRegistryTest, NamesIgnoreCaseAndRewritesKeepTheirPlace) {
  MemoryRegistry registry;
  auto key = registry.CreateKey(kUser, "Software\\Test");
  ASSERT_NE(key, nullptr);
  key->WriteValue("First", kRegDword, "\1\0\0\0", 4);
  key->WriteValue("Second", kRegString, "b", 2);
  key->WriteValue("FIRST", kRegBinary, "xy", 2);

  const auto values = registry.Values(kUser, "software\\TEST");
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].name, "First");
  EXPECT_EQ(values[0].type, kRegBinary);
  EXPECT_EQ(MemoryRegistry::DataText(values[0]), "xy");
  EXPECT_EQ(values[1].name, "Second");
}

TEST(MemoryRegistryTest, ReadsAndEnumerationsRefuseWhatDoesNotFit) {
  MemoryRegistry registry;
  registry.PutString(kUser, "K", "Name", "abc");  // 4 bytes with the zero
  auto key = registry.OpenKey(kUser, "K");
  ASSERT_NE(key, nullptr);
  RegistryValue value;
  EXPECT_FALSE(key->ReadValue("Name", 3, value));
  EXPECT_TRUE(key->ReadValue("name", 4, value));
  EXPECT_EQ(MemoryRegistry::DataText(value), "abc\0"s);
  EXPECT_FALSE(key->ReadValue("Missing", 100, value));

  EXPECT_FALSE(key->EnumValue(0, 4, 100, value)) << "the name needs room for its terminating zero";
  EXPECT_FALSE(key->EnumValue(0, 5, 3, value));
  EXPECT_TRUE(key->EnumValue(0, 5, 4, value));
  EXPECT_FALSE(key->EnumValue(1, 100, 100, value));
}

TEST(MemoryRegistryTest, DeleteKeyFailsWhileSubkeysExistAndOpenKeysFailAfterwards) {
  MemoryRegistry registry;
  auto child = registry.CreateKey(kUser, "A\\B\\C");
  ASSERT_NE(child, nullptr);
  registry.CreateKey(kUser, "A B");  // sorts between "A" and its subkeys
  EXPECT_TRUE(registry.KeyExists(kUser, "a\\b"));
  EXPECT_FALSE(registry.DeleteKey(kUser, "A"));
  EXPECT_FALSE(registry.DeleteKey(kUser, "A\\B"));
  EXPECT_TRUE(registry.DeleteKey(kUser, "A\\B\\C"));
  EXPECT_FALSE(child->WriteValue("v", kRegString, "", 0));
  EXPECT_TRUE(registry.DeleteKey(kUser, "A\\B"));
  EXPECT_TRUE(registry.DeleteKey(kUser, "A"));
  EXPECT_FALSE(registry.DeleteKey(kUser, "A"));
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, "A B"));
}

TEST(MemoryRegistryTest, CreateKeyCanBeMadeToFail) {
  MemoryRegistry registry;
  registry.SetCreateKeyFails(true);
  EXPECT_EQ(registry.CreateKey(kUser, "K"), nullptr);
  EXPECT_FALSE(registry.KeyExists(kUser, "K"));
}

}  // namespace
}  // namespace qiv
