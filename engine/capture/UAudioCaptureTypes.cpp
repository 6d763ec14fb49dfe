#include "UAudioCaptureTypes.h"

#include "UDirectShowUtils.h"
#include "dshow/MediaType.h"
#include "win32/audio/WaveFormat.h"

AM_MEDIA_TYPE* UAudioCaptureTypes::GetProperMediaType(IPin* pin, unsigned long rate, unsigned short channels,
                                                      unsigned short bits)
{
    AM_MEDIA_TYPE* type = nullptr;
    for (unsigned long k = 0; k < 12 && !type; ++k) {
        if (k * rate <= 96000) type = GetParticularMediaType(pin, (k + 1) * rate, channels, bits);
    }
    return type;
}

AM_MEDIA_TYPE* UAudioCaptureTypes::GetParticularMediaType(IPin* pin, unsigned long rate, unsigned short channels,
                                                          unsigned short bits)
{
    AM_MEDIA_TYPE* found = nullptr;
    UDirectShowUtils::VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& type) {
        const auto* wave = MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx);
        if (!wave || wave->nSamplesPerSec != rate || wave->nChannels != channels) return false;
        if ((bits == 8 || bits == 16) && wave->wBitsPerSample != bits) return false;
        found = CreateMediaType(&type);
        return found != nullptr;
    });
    return found;
}
