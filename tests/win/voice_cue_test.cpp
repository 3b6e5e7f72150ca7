#include "voice_cue.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace kalvor {
namespace {

TEST(VoiceCue, PathIsTheInstallFolderAndTheFileName) {
    EXPECT_EQ(VoicePath("C:\\Program Files\\Kalvor", "s1.wav"), "C:\\Program Files\\Kalvor\\s1.wav");
    EXPECT_EQ(VoicePath("", "S2.wav"), "\\S2.wav");
}

TEST(VoiceCue, PlayingAMissingFileAndStoppingReturnAtOnce) {
    // The player falls back to the default sound; nothing may block or fail.
    const DWORD start = GetTickCount();
    PlayVoice("C:\\no such folder", "s7.wav");
    PlayVoice("C:\\no such folder", "s17.wav");
    StopVoice();
    EXPECT_LT(GetTickCount() - start, 5000u);
}

}  // namespace
}  // namespace kalvor
