// A sound player for tests that remembers what it was asked to play.
#pragma once

#include <string>
#include <vector>

#include "platform/SoundPlayer.h"

namespace qiv {

class FakeSoundPlayer final : public SoundPlayer {
 public:
  void PlayFileAsync(const std::string& file) override { played_.push_back(file); }

  const std::vector<std::string>& Played() const { return played_; }

 private:
  std::vector<std::string> played_;
};

}  // namespace qiv
