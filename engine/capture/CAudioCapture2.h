#pragma once
// Audio capture settings: whether capture uses the sound card's hardware buffer: "Hardware Buffer" of section
// "Sound Card" in "settings.ini" of the common data folder, 0 when absent.
class CAudioCapture2 {
public:
    static bool GetSettingUseSoundCardBuffer();
    static void SetSettingUseSoundCardBuffer(bool use);

    static const char* const kSection;
    static const char* const kHardwareBufferKey;
};
