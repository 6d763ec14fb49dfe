#include "dshow/PcmOutput.h"

#include "dshow/AudioConverter.h"
#include "dshow/BasePin.h"

#include <vector>

namespace {
constexpr int kChunkSamples = 4096;
}

HRESULT DeliverPcm(CAudioConverter& converter, int bytesPerSample, CBasePin* out, REFERENCE_TIME& next, bool final)
{
    int frameBytes = converter.OutChannels() * bytesPerSample;
    std::vector<uint8_t> pcm(size_t(kChunkSamples) * frameBytes);
    while (converter.Queued() >= kChunkSamples || (final && converter.Queued() > 0)) {
        uint8_t* planes[1] = {pcm.data()};
        int samples = converter.Take(planes, kChunkSamples);
        if (samples <= 0) break;
        MediaSample sample;
        sample.data = pcm.data();
        sample.size = samples * frameBytes;
        sample.hasTime = true;
        sample.start = next;
        next += REFERENCE_TIME(samples) * kUnitsPerSecond / converter.OutRate();
        sample.stop = next;
        HRESULT hr = out->Deliver(sample);
        if (hr == VFW_E_NOT_CONNECTED) hr = S_OK;
        if (hr != S_OK) return hr;
    }
    return S_OK;
}
