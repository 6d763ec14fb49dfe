#pragma once
// Where the engine keeps its settings: "Preference.xml" (common data folder for the
// global group, the user's for the local one) and "settings.ini" of the common data folder.

inline constexpr const char* kEngineSettingsFile = "Preference.xml";
inline constexpr const char* kEngineSettingsRoot = "Settings";
inline constexpr const char* kEngineIniFile = "settings.ini";
