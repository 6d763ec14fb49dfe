#pragma once
// Whether audio capture uses the sound card's hardware buffer: "Hardware Buffer" of section
// "Sound Card" in "settings.ini" of the common data folder, 0 when absent.
class CSoundCardSetting {
public:
    static bool GetHardwareBuffer();
    static void SetHardwareBuffer(bool use);

    static const char* const kSection;
    static const char* const kHardwareBufferKey;
};
