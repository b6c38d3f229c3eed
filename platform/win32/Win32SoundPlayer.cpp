// Sound files through winmm, played without waiting.
#include "platform/win32/Win32SoundPlayer.h"

#include <windows.h>
#include <mmsystem.h>

namespace qiv {

void Win32SoundPlayer::PlayFileAsync(const std::string& file) {
  ::PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NOWAIT);
}

}  // namespace qiv
