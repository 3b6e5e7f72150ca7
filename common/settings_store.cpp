#include "settings_store.h"

#include <cstring>

namespace kalvor {

const char kSettingsKey[] = "Software\\Marlowin\\Kalvor\\";

namespace {

class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (key_) RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool Open(HKEY root, const char* path) {
        return RegOpenKeyExA(root, path, 0, KEY_READ, &key_) == ERROR_SUCCESS;
    }
    bool Create(HKEY root, const char* path) {
        return RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key_,
                               nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

bool ReadSettingDword(HKEY root, const char* keyPath, const char* name, DWORD& value) {
    RegKey key;
    if (!key.Open(root, keyPath)) return false;
    // Read into a buffer of our own: a value longer than four bytes fails
    // without touching the caller's variable, a shorter one is zero-extended.
    BYTE bytes[sizeof(DWORD)] = {};
    DWORD size = sizeof bytes;
    if (RegQueryValueExA(key.Get(), name, nullptr, nullptr, bytes, &size) != ERROR_SUCCESS) return false;
    DWORD read = 0;
    std::memcpy(&read, bytes, sizeof read);
    value = read;
    return true;
}

bool WriteSettingDword(HKEY root, const char* keyPath, const char* name, DWORD value) {
    RegKey key;
    if (!key.Create(root, keyPath)) return false;
    return RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

bool ReadSettingString(HKEY root, const char* keyPath, const char* name, std::string& text) {
    RegKey key;
    if (!key.Open(root, keyPath)) return false;
    // Room for 259 bytes of text plus a stored terminating zero, plus our own.
    char buffer[kMaxSettingText + 2] = {};
    DWORD size = kMaxSettingText + 1;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    buffer[size] = '\0';
    const size_t length = std::strlen(buffer);
    if (length > kMaxSettingText) return false;
    text.assign(buffer, length);
    return true;
}

bool WriteSettingString(HKEY root, const char* keyPath, const char* name, const std::string& text) {
    RegKey key;
    if (!key.Create(root, keyPath)) return false;
    return RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size())) == ERROR_SUCCESS;
}

}  // namespace kalvor
