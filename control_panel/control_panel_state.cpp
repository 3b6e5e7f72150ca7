#include "control_panel_state.h"

#include <windows.h>

#include "local_time.h"
#include "schedule.h"
#include "settings_store.h"
#include "split_time.h"
#include "voice_cue.h"

namespace kalvor {

namespace {

int32_t ReadFlag(HKEY root, const char* name, DWORD missing) {
    DWORD value = missing;
    ReadSettingDword(root, kSettingsKey, name, value);
    return static_cast<int32_t>(value);
}

// A check time that was never stored counts as 1 January 1990, local time.
int64_t ReadCheckTime(const char* base) {
    int64_t time = kNoTime;
    if (ReadSplitTime(base, time)) return time;
    TimeFromLocal(MakeCivilTime(1990, 1, 1), time);
    return time;
}

}  // namespace

void LoadControlPanelState(ControlPanelState& state, int64_t now) {
    state.referenceTime = now;
    state.timeChangeRequested = 0;
    state.trackingArmed = 0;

    state.firstRun = ReadFlag(HKEY_LOCAL_MACHINE, setting::kFirstRun, 1);
    state.softwareTestInstalled = ReadFlag(HKEY_LOCAL_MACHINE, setting::kSoftwareTestInstalled, 0);
    state.voiceInstalled = ReadFlag(HKEY_LOCAL_MACHINE, setting::kVoiceInstalled, 0);
    state.infoPageInstalled = ReadFlag(HKEY_LOCAL_MACHINE, setting::kInfoPageInstalled, 0);
    state.screenSaverInstalled = ReadFlag(HKEY_LOCAL_MACHINE, setting::kScreenSaverInstalled, 0);

    state.installFolder.clear();
    ReadSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, setting::kInstallationPath, state.installFolder);

    if (!ReadSplitTime(setting::kLastExitTime, state.lastExitTime)) state.lastExitTime = state.referenceTime;

    const int64_t lastCheck = ReadCheckTime(setting::kLastCheckTime);
    const int64_t lastHardwareCheck = ReadCheckTime(setting::kLastHardwareCheckTime);

    state.softwareTestSchedule = static_cast<uint32_t>(ReadFlag(HKEY_CURRENT_USER, setting::kDoSystemCheck, 1));
    state.hardwareTestSchedule = static_cast<uint32_t>(ReadFlag(HKEY_CURRENT_USER, setting::kDoHardwareCheck, 1));
    state.timeTrackingOn = ReadFlag(HKEY_CURRENT_USER, setting::kDoTimeTracking, 1);
    state.voiceOn = ReadFlag(HKEY_CURRENT_USER, setting::kDoVoiceAssistance, 1);

    state.hardwareTestDue = IsTestDue(now, lastHardwareCheck, HardwareTestPeriod(state.hardwareTestSchedule));
    state.softwareTestDue = IsTestDue(now, lastCheck, SoftwareTestPeriod(state.softwareTestSchedule));
}

void StoreUserOptions(const ControlPanelState& state) {
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, setting::kDoSystemCheck, state.softwareTestSchedule);
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, setting::kDoHardwareCheck, state.hardwareTestSchedule);
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, setting::kDoTimeTracking,
                      static_cast<DWORD>(state.timeTrackingOn));
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, setting::kDoVoiceAssistance, static_cast<DWORD>(state.voiceOn));
}

void PlayVoiceHint(const ControlPanelState& state, const char* fileName) {
    if (state.voiceOn && state.voiceInstalled) PlayVoice(state.installFolder, fileName);
}

}  // namespace kalvor
