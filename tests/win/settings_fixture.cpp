#include "settings_fixture.h"

#include <shlwapi.h>

#include "settings_store.h"

namespace kalvor {

void ClearSettingsKey() {
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Marlowin");
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marlowin");
}

void WriteRawSetting(HKEY root, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

}  // namespace kalvor
