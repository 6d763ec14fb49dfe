// What the container multiplexers take: a sound each container can hold, and nothing that
// its writing would refuse only once the recording has begun.
#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/formats/CodedWaveFormat.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/codec_id.h>
}

namespace {

CMediaType PcmType()
{
    CMediaType type;
    MakePcmMediaType(type, 22050, 1, 16);
    return type;
}

CMediaType Mp3Type()
{
    CodedWaveFormat format;
    format.codecId = AV_CODEC_ID_MP3;
    format.sampleRate = 22050;
    format.channels = 1;
    format.bitRate = 64000;
    format.blockAlign = 1;
    CMediaType type;
    EXPECT_TRUE(MakeCodedWaveType(type, format));
    return type;
}

TEST(StreamMultiplexer, EachContainerTakesOnlyTheSoundItCanHold)
{
    CoInitialize(nullptr);
    const struct {
        const char* name;
        const CLSID* clsid;
        bool pcm, mp3;
    } cases[] = {
        {"WAV", &CLSID_WavMultiplexer, true, true},        {"MP3", &CLSID_Mp3Multiplexer, false, true},
        {"OGG", &CLSID_OggMultiplexer, false, false},      {"Matroska", &CLSID_MatroskaMultiplexer, true, true},
        {"AVI", &CLSID_AviMux, true, true},
    };
    const CMediaType pcm = PcmType();
    const CMediaType mp3 = Mp3Type();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IBaseFilter* mux = nullptr;
        ASSERT_EQ(CoCreateInstance(*c.clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&mux)),
                  S_OK);
        IPin* audio = nullptr;
        ASSERT_EQ(mux->FindPin(u"Audio In", &audio), S_OK);
        EXPECT_EQ(audio->QueryAccept(&pcm), c.pcm ? S_OK : S_FALSE);
        EXPECT_EQ(audio->QueryAccept(&mp3), c.mp3 ? S_OK : S_FALSE);
        audio->Release();
        mux->Release();
    }
    CoUninitialize();
}

} // namespace
