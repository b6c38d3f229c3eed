// Without libFuzzer, a fuzz target is this replay program: it feeds every file of the folders (or the files)
// named on the command line to the target once.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Replay(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "cannot read " << path << '\n';
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  bool ok = argc > 1;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    if (std::filesystem::is_directory(argv[i], error)) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i], error)) {
        if (!entry.is_regular_file()) continue;
        ok = Replay(entry.path()) && ok;
        ++replayed;
      }
      if (error) ok = false;
    } else {
      ok = Replay(argv[i]) && ok;
      ++replayed;
    }
  }
  std::cout << replayed << " inputs replayed\n";
  return ok && replayed > 0 ? 0 : 1;
}
