// Tests that use the settings key start and end with it absent.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace kalvor {

void ClearSettingsKey();

// Writes a raw registry value into the settings key, of any type and size.
void WriteRawSetting(HKEY root, const char* name, DWORD type, const void* data, DWORD size);

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { ClearSettingsKey(); }
    void TearDown() override { ClearSettingsKey(); }
};

}  // namespace kalvor
