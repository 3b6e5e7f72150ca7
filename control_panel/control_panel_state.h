// The control panel's program-wide state: one record, loaded from the
// settings key at start and passed by reference to every window.
#pragma once

#include <cstdint>
#include <string>

namespace kalvor {

struct ControlPanelState {
    std::string installFolder;
    int32_t softwareTestInstalled = 0;
    int32_t voiceInstalled = 0;
    int32_t infoPageInstalled = 0;
    int32_t screenSaverInstalled = 0;
    int32_t firstRun = 1;
    uint32_t softwareTestSchedule = 1;
    uint32_t hardwareTestSchedule = 1;
    int32_t timeTrackingOn = 1;
    int32_t voiceOn = 1;
    int64_t referenceTime = 0;
    int64_t lastExitTime = 0;
    int32_t softwareTestDue = 0;
    int32_t hardwareTestDue = 0;
    int32_t trackingArmed = 0;
    int32_t timeChangeRequested = 0;
    int32_t aboutShown = 0;
};

// Names of the stored values the control panel reads and writes.
namespace setting {
constexpr char kInstallationPath[] = "Installation path";
constexpr char kSoftwareTestInstalled[] = "System Check installed";
constexpr char kVoiceInstalled[] = "Voice installed";
constexpr char kInfoPageInstalled[] = "Additional Info installed";
constexpr char kScreenSaverInstalled[] = "Screen Saver installed";
constexpr char kFirstRun[] = "First run";
constexpr char kLastExitTime[] = "Last exit time";
constexpr char kLastCheckTime[] = "Last check time";
constexpr char kLastHardwareCheckTime[] = "Last hardware check time";
constexpr char kDoSystemCheck[] = "Do System Check";
constexpr char kDoHardwareCheck[] = "Do Hardware Check";
constexpr char kDoTimeTracking[] = "Do Time Tracking";
constexpr char kDoVoiceAssistance[] = "Do Voice Assistance";
}  // namespace setting

// Loads the record from both parts of the settings key, with the default of
// every missing value, and works out which scheduled tests are due at `now`.
void LoadControlPanelState(ControlPanelState& state, int64_t now);

// Stores the four user options in the user part of the settings key.
void StoreUserOptions(const ControlPanelState& state);

// Plays a spoken hint when voice assistance is on and the recordings are
// installed.
void PlayVoiceHint(const ControlPanelState& state, const char* fileName);

}  // namespace kalvor
