#pragma once
// What a recording test needs around the program: the engine's output types and the audio
// codec catalogue with the MP3 and Vorbis encoders, and a look at the files it writes.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CFormatTypes.h"
#include "EngineTestMedia.h"
#include "dshow/AudioEncoderFilter.h"

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

class RecordingTables {
public:
    RecordingTables()
    {
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_codecs = std::make_unique<CAudioCodecsInfo>(true);
        Add("Lame_enc.dll", CLSID_Mp3AudioEncoder, {350, 100, 1200}, {64000, 96000, 128000, 192000});
        Add("Vorbis Encoder", CLSID_VorbisAudioEncoder, {1100}, {96000, 128000});
    }

private:
    void Add(const char* name, const GUID& id, std::initializer_list<ESplitterType> types,
             std::initializer_list<ULONG> bitrates)
    {
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add(name, "");
        codec->SetId(id);
        for (ESplitterType type : types) codec->SetSupported(type, true);
        for (ULONG rate : {22050ul, 44100ul})
            for (unsigned short channels : {1, 2})
                for (ULONG bitrate : bitrates) codec->AddSetting(rate, channels, 16, bitrate, 0);
        codec->Activate(true);
    }

    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_codecs;
};

// The decoded duration in seconds as FFmpeg reads the file; 0 when it cannot.
inline double DecodedSeconds(const std::filesystem::path& file)
{
    const std::string rate = ProbedValue(ProbeMedia(file), "sample_rate");
    const long samples = DecodedSamples(file);
    return rate.empty() || samples <= 0 ? 0 : double(samples) / std::stod(rate);
}
