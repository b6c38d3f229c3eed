// Plays sound files without waiting for them.
#pragma once

#include <string>

namespace qiv {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Returns at once, and plays nothing when the sound device is busy. A file that cannot be played gets the
  // system's default sound.
  virtual void PlayFileAsync(const std::string& file) = 0;
};

}  // namespace qiv
