#include "voice_cue.h"

#include <windows.h>
#include <mmsystem.h>

namespace kalvor {

void StopVoice() {
    PlaySoundA(nullptr, nullptr, SND_ASYNC);
    PlaySoundA(nullptr, nullptr, SND_SYNC);
}

std::string VoicePath(const std::string& installFolder, const std::string& fileName) {
    return installFolder + "\\" + fileName;
}

void PlayVoice(const std::string& installFolder, const std::string& fileName) {
    StopVoice();
    PlaySoundA(VoicePath(installFolder, fileName).c_str(), nullptr, SND_ASYNC | SND_FILENAME);
}

}  // namespace kalvor
