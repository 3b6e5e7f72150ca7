// Spoken hints: the recordings s1.wav ... s20.wav in the installation folder,
// played asynchronously; a new hint cuts off the one still sounding.
#pragma once

#include <string>

namespace kalvor {

// Ends any sound this program plays, asynchronous and synchronous.
void StopVoice();

// Stops, then starts installFolder + "\" + fileName and returns at once. A
// missing file sounds the system's default sound, as the player does.
void PlayVoice(const std::string& installFolder, const std::string& fileName);

// The path a hint is played from.
std::string VoicePath(const std::string& installFolder, const std::string& fileName);

}  // namespace kalvor
