#pragma once
// The process-wide video codec catalogue, replaced for a test's lifetime, with codecs made to
// order.
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"

#include <initializer_list>
#include <utility>

class ScopedVideoCodecs {
public:
    ScopedVideoCodecs() : m_old(CVideoCodecsInfo::sInfo) { CVideoCodecsInfo::sInfo = &codecs; }
    ~ScopedVideoCodecs() { CVideoCodecsInfo::sInfo = m_old; }
    ScopedVideoCodecs(const ScopedVideoCodecs&) = delete;
    ScopedVideoCodecs& operator=(const ScopedVideoCodecs&) = delete;

    // Block size 0 makes a compressor of fixed sizes only.
    CVideoCodecInfo* Add(const char* name, std::initializer_list<ESplitterType> supported, LONG modes,
                         unsigned short blockSize, std::initializer_list<std::pair<int, int>> sizes = {})
    {
        CVideoCodecInfo* codec = codecs.Add(name, name);
        for (ESplitterType type : supported) codec->SetSupported(type, true);
        codec->SetEncoderControl(modes);
        codec->SetBlockSize(blockSize);
        for (auto [width, height] : sizes)
            codec->AddResolution(static_cast<unsigned short>(width), static_cast<unsigned short>(height));
        codec->Activate(true);
        return codec;
    }

    CVideoCodecsInfo codecs;

private:
    CVideoCodecsInfo* m_old;
};
