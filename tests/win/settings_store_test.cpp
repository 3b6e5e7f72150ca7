#include "settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "local_time.h"
#include "settings_fixture.h"
#include "split_time.h"

namespace kalvor {
namespace {

using SettingsStore = SettingsTest;

TEST_F(SettingsStore, AbsentKeyFailsAndLeavesTheCallersValue) {
    DWORD value = 7;
    EXPECT_FALSE(ReadSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "First run", value));
    EXPECT_EQ(value, 7u);
    std::string text = "unchanged";
    EXPECT_FALSE(ReadSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Installation path", text));
    EXPECT_EQ(text, "unchanged");
    int64_t time = 5;
    EXPECT_FALSE(ReadSplitTime("Last exit time", time));
    EXPECT_EQ(time, 5);
}

TEST_F(SettingsStore, WritesCreateTheKeyInBothParts) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        ASSERT_TRUE(WriteSettingDword(root, kSettingsKey, "Do System Check", 2));
        DWORD value = 0;
        ASSERT_TRUE(ReadSettingDword(root, kSettingsKey, "Do System Check", value));
        EXPECT_EQ(value, 2u);
    }
}

TEST_F(SettingsStore, NamesAreFoundWhateverTheirCase) {
    ASSERT_TRUE(WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Screen saver installed", 1));
    DWORD value = 0;
    ASSERT_TRUE(ReadSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Screen Saver installed", value));
    EXPECT_EQ(value, 1u);
}

TEST_F(SettingsStore, StringsAreStoredWithoutTheirZeroAndReadUpTo259Bytes) {
    const std::string longest(259, 'p');
    ASSERT_TRUE(WriteSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Installation path", longest));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD size = 0;
    DWORD type = 0;
    ASSERT_EQ(RegQueryValueExA(key, "Installation path", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_GE(size, 259u);  // Wine and Windows may add room for a zero of their own
    EXPECT_LE(size, 260u);

    std::string text;
    ASSERT_TRUE(ReadSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Installation path", text));
    EXPECT_EQ(text, longest);

    // The same text stored by another tool with its zero is read just as well.
    const std::string withZero = longest + '\0';
    WriteRawSetting(HKEY_LOCAL_MACHINE, "Other path", REG_SZ, withZero.data(), 260);
    text.clear();
    ASSERT_TRUE(ReadSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Other path", text));
    EXPECT_EQ(text, longest);

    // One byte more is refused whole rather than cut.
    const std::string tooLong(260, 'q');
    WriteRawSetting(HKEY_LOCAL_MACHINE, "Too long", REG_SZ, tooLong.data(), 260);
    text = "unchanged";
    EXPECT_FALSE(ReadSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Too long", text));
    EXPECT_EQ(text, "unchanged");

    ASSERT_TRUE(WriteSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Empty", ""));
    text = "unchanged";
    ASSERT_TRUE(ReadSettingString(HKEY_LOCAL_MACHINE, kSettingsKey, "Empty", text));
    EXPECT_EQ(text, "");
}

TEST_F(SettingsStore, WrongTypesAndSizesNeitherCrashNorOverrun) {
    struct Case {
        const char* what;
        DWORD type;
        std::string bytes;
        bool dwordRead;
        DWORD dwordValue;
        bool stringRead;
    };
    const Case cases[] = {
        {"string where a DWORD is expected", REG_SZ, std::string("1\0", 2), true, 0x31, true},
        {"three bytes", REG_BINARY, std::string("\x01\x02\x03", 3), true, 0x030201, false},
        {"nine bytes", REG_BINARY, std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09", 9), false, 0, false},
        {"empty binary", REG_BINARY, std::string(), true, 0, false},
        {"DWORD read as a string", REG_DWORD, std::string("\x05\x00\x00\x00", 4), true, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteRawSetting(HKEY_CURRENT_USER, "Odd", c.type, c.bytes.data(), static_cast<DWORD>(c.bytes.size()));
        DWORD value = 0xDEADBEEF;
        EXPECT_EQ(ReadSettingDword(HKEY_CURRENT_USER, kSettingsKey, "Odd", value), c.dwordRead);
        EXPECT_EQ(value, c.dwordRead ? c.dwordValue : 0xDEADBEEF);
        std::string text = "unchanged";
        EXPECT_EQ(ReadSettingString(HKEY_CURRENT_USER, kSettingsKey, "Odd", text), c.stringRead);
        if (!c.stringRead) {
            EXPECT_EQ(text, "unchanged");
        }
    }
}

TEST_F(SettingsStore, SplitTimeRoundTripsThroughTheRegistryAsLocalWholeSeconds) {
    const CivilTime lastSecond = MakeCivilTime(1999, 12, 31, 23, 59, 59);
    int64_t time = 0;
    ASSERT_TRUE(TimeFromLocal(lastSecond, time));
    WriteSplitTime("Last exit time", time);

    DWORD high = 0, low = 0;
    ASSERT_TRUE(ReadSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Last exit time high", high));
    ASSERT_TRUE(ReadSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Last exit time low", low));
    const uint64_t ticks = JoinHalves(SplitTimeHalves{high, low});
    EXPECT_EQ(ticks % kTicksPerSecond, 0u);
    EXPECT_EQ(CivilFromTicks(ticks), lastSecond);

    int64_t read = 0;
    ASSERT_TRUE(ReadSplitTime("Last exit time", read));
    EXPECT_EQ(read, time);
}

TEST_F(SettingsStore, SplitTimeNeedsBothHalvesAndZeroesReadAsMinusOne) {
    int64_t time = 42;
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Last exit time low", 0x256D4000u);
    EXPECT_FALSE(ReadSplitTime("Last exit time", time));
    EXPECT_EQ(time, 42);

    ClearSettingsKey();
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Last exit time high", 0x01BF53EBu);
    EXPECT_FALSE(ReadSplitTime("Last exit time", time));

    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Last check time high", 0);
    WriteSettingDword(HKEY_LOCAL_MACHINE, kSettingsKey, "Last check time low", 0);
    ASSERT_TRUE(ReadSplitTime("Last check time", time));
    EXPECT_EQ(time, kNoTime);
}

}  // namespace
}  // namespace kalvor
