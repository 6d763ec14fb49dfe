#pragma once
// Choosing the PCM type an audio capture pin is connected with: the wanted rate, else a
// multiple of it, with the wanted channels and (for 8 or 16 bits) sample size.
#include "dshow/DShowTypes.h"

struct IPin;

class UAudioCaptureTypes {
public:
    // Asks for rate, 2 x rate, 3 x rate ... while the multiple below stays within 96000 Hz;
    // an owned type (DeleteMediaType) or null.
    static AM_MEDIA_TYPE* GetProperMediaType(IPin* pin, unsigned long rate, unsigned short channels,
                                             unsigned short bits);
    // The first of the pin's types with exactly that rate and those channels (and bits when
    // they are 8 or 16); an owned type or null.
    static AM_MEDIA_TYPE* GetParticularMediaType(IPin* pin, unsigned long rate, unsigned short channels,
                                                 unsigned short bits);
};
