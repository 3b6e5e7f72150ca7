#include "control_panel_state.h"

#include <gtest/gtest.h>

#include "local_time.h"
#include "settings_fixture.h"
#include "settings_store.h"

namespace kalvor {
namespace {

using ControlPanelStateLoad = SettingsTest;

constexpr int64_t kDay = 86400;

TEST_F(ControlPanelStateLoad, AbsentKeyGivesEveryDefault) {
    ControlPanelState state;
    state.installFolder = "stale";
    state.trackingArmed = 1;
    state.timeChangeRequested = 1;
    const int64_t now = CurrentTime();
    LoadControlPanelState(state, now);
    EXPECT_EQ(state.referenceTime, now);
    EXPECT_EQ(state.lastExitTime, now);
    EXPECT_EQ(state.firstRun, 1);
    EXPECT_EQ(state.softwareTestInstalled, 0);
    EXPECT_EQ(state.voiceInstalled, 0);
    EXPECT_EQ(state.infoPageInstalled, 0);
    EXPECT_EQ(state.screenSaverInstalled, 0);
    EXPECT_EQ(state.installFolder, "");
    EXPECT_EQ(state.softwareTestSchedule, 1u);
    EXPECT_EQ(state.hardwareTestSchedule, 1u);
    EXPECT_EQ(state.timeTrackingOn, 1);
    EXPECT_EQ(state.voiceOn, 1);
    EXPECT_EQ(state.trackingArmed, 0);
    EXPECT_EQ(state.timeChangeRequested, 0);
    // Never-stored check times count from 1990, so both tests are due.
    EXPECT_EQ(state.softwareTestDue, 1);
    EXPECT_EQ(state.hardwareTestDue, 1);
}

TEST_F(ControlPanelStateLoad, StoredValuesAreTaken) {
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "First run", 0);
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "System Check installed", 1);
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Voice installed", 1);
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Additional Info installed", 1);
    // The installer's spelling of the name.
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Screen saver installed", 1);
    WriteSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Installation path", "C:\\Program Files\\Kalvor");
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, "Do System Check", 0);
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, "Do Hardware Check", 2);
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, "Do Time Tracking", 0);
    WriteSettingDword(HKEY_CURRENT_USER, kSettingsKey, "Do Voice Assistance", 0);
    const int64_t now = CurrentTime();
    WriteSplitTime("Last exit time", now + 3600);
    WriteSplitTime("Last check time", now - 100 * kDay);
    WriteSplitTime("Last hardware check time", now - 29 * kDay);

    ControlPanelState state;
    LoadControlPanelState(state, now);
    EXPECT_EQ(state.firstRun, 0);
    EXPECT_EQ(state.softwareTestInstalled, 1);
    EXPECT_EQ(state.voiceInstalled, 1);
    EXPECT_EQ(state.infoPageInstalled, 1);
    EXPECT_EQ(state.screenSaverInstalled, 1);
    EXPECT_EQ(state.installFolder, "C:\\Program Files\\Kalvor");
    EXPECT_EQ(state.softwareTestSchedule, 0u);
    EXPECT_EQ(state.hardwareTestSchedule, 2u);
    EXPECT_EQ(state.timeTrackingOn, 0);
    EXPECT_EQ(state.voiceOn, 0);
    EXPECT_EQ(state.lastExitTime, now + 3600);
    EXPECT_EQ(state.softwareTestDue, 0);  // never scheduled, however long ago
    EXPECT_EQ(state.hardwareTestDue, 0);  // monthly, 29 days ago
    LoadControlPanelState(state, now + kDay);
    EXPECT_EQ(state.hardwareTestDue, 1);
}

TEST_F(ControlPanelStateLoad, HalfAStoredExitTimeCountsAsMissing) {
    const int64_t now = CurrentTime();
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Last exit time low", 12345);
    ControlPanelState state;
    LoadControlPanelState(state, now);
    EXPECT_EQ(state.lastExitTime, now);
}

TEST_F(ControlPanelStateLoad, InstallersZeroTimesReadAsMinusOne) {
    for (const char* name : {"Last exit time high", "Last exit time low", "Last check time high",
                             "Last check time low", "Last hardware check time high", "Last hardware check time low"})
        WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, name, 0);
    ControlPanelState state;
    LoadControlPanelState(state, CurrentTime());
    EXPECT_EQ(state.lastExitTime, -1);  // earlier than now: no start-up alarm
    EXPECT_EQ(state.softwareTestDue, 1);
    EXPECT_EQ(state.hardwareTestDue, 1);
}

TEST_F(ControlPanelStateLoad, UserOptionsAreStoredInTheUserPart) {
    ControlPanelState state;
    state.softwareTestSchedule = 2;
    state.hardwareTestSchedule = 0;
    state.timeTrackingOn = 0;
    state.voiceOn = 1;
    StoreUserOptions(state);
    struct Expected {
        const char* name;
        DWORD value;
    };
    for (const Expected& e : {Expected{"Do System Check", 2}, Expected{"Do Hardware Check", 0},
                              Expected{"Do Time Tracking", 0}, Expected{"Do Voice Assistance", 1}}) {
        DWORD value = 99;
        EXPECT_TRUE(ReadSettingDword(HKEY_CURRENT_USER, kSettingsKey, e.name, value)) << e.name;
        EXPECT_EQ(value, e.value) << e.name;
        EXPECT_FALSE(ReadSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, e.name, value)) << e.name;
    }
}

}  // namespace
}  // namespace kalvor
