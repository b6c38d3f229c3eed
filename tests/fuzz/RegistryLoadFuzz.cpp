// Fuzz target of the stored settings: whatever a user or another program wrote under the program's keys,
// the screen list, the sticky rules and the settings must load (or fall back to their defaults) without fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ScreenList.h"
#include "shell/Settings.h"
#include "tests/fakes/FakeIconSource.h"
#include "tests/fakes/MemoryRegistry.h"

namespace {

// Reads the input as values: a key selector byte, a type byte, a name and data each preceded by a length byte.
class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return position_ >= size_; }
  std::uint8_t Byte() { return AtEnd() ? 0 : data_[position_++]; }
  std::vector<std::uint8_t> Bytes() {
    const std::size_t length = Byte();
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < length && !AtEnd()) bytes.push_back(Byte());
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

const char* const kKeys[] = {"Software\\Brevik\\Qiv", "Software\\Brevik\\Qiv\\Screens",
                             "Software\\Brevik\\Qiv\\Sticky"};
const std::uint32_t kTypes[] = {qiv::kRegNone, qiv::kRegString, qiv::kRegBinary, qiv::kRegDword};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qiv::MemoryRegistry registry;
  InputReader input(data, size);
  while (!input.AtEnd()) {
    const char* key = kKeys[input.Byte() % 3];
    const std::uint32_t type = kTypes[input.Byte() % 4];
    const std::vector<std::uint8_t> name = input.Bytes();
    registry.Put(qiv::RegistryRoot::CurrentUser, key, std::string(name.begin(), name.end()), type, input.Bytes());
  }
  qiv::Settings settings(registry, {0, 0, 1280, 1024}, 18);
  qiv::FakeIconSource icons;
  qiv::ScreenList screens(icons);
  screens.Load(registry);
  screens.Save(registry, false);
  settings.SaveSettings();
  return 0;
}
