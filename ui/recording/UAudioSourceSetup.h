#pragma once
// Hands an audio source record to a capture input set: device, input line and level.
class CAudioCaptureInputFilters2;
class CAudioSource2;

class UAudioSourceSetup {
public:
    static void Apply(CAudioCaptureInputFilters2& input, const CAudioSource2& source);
    // The level only: a fixed level unless the source leaves it to the card's automatic gain.
    static void ApplyVolume(CAudioCaptureInputFilters2& input, const CAudioSource2& source);
    static void ApplyVolume(CAudioCaptureInputFilters2& input, bool autoVolume, unsigned char volume);
};
