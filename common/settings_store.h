// The settings key and the four operations every program uses for its own
// registry accesses. Each call opens the key for that one access.
#pragma once

#include <windows.h>

#include <string>

namespace kalvor {

// The settings key, in the machine part (HKEY_LOCAL_MACHINE) and the user
// part (HKEY_CURRENT_USER). The trailing backslash is part of the path.
extern const char kSettingsKey[];

// Longest text a string setting may hold.
constexpr size_t kMaxSettingText = 259;

// Reads at most four bytes, whatever the stored type; fewer bytes are taken
// as the low bytes of the value. On failure `value` is left as it was.
bool ReadSettingDword(HKEY root, const char* keyPath, const char* name, DWORD& value);
// Creates missing keys on the way and stores a REG_DWORD.
bool WriteSettingDword(HKEY root, const char* keyPath, const char* name, DWORD value);
// Reads a string value of at most 259 bytes (a trailing zero is not counted).
// On failure `text` is left as it was.
bool ReadSettingString(HKEY root, const char* keyPath, const char* name, std::string& text);
// Stores a REG_SZ whose byte count is the text length, without the zero.
bool WriteSettingString(HKEY root, const char* keyPath, const char* name, const std::string& text);

}  // namespace kalvor
