// Sound files through winmm, played without waiting.
#pragma once

#include "platform/SoundPlayer.h"

namespace qiv {

class Win32SoundPlayer final : public SoundPlayer {
 public:
  void PlayFileAsync(const std::string& file) override;
};

}  // namespace qiv
