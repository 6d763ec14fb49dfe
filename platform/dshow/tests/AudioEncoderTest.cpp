// The audio encoders' output types: what they list before and after their input is
// known, and the MP3 encoder's library path.
#include "TestFilters.h"

#include "com/ComRuntime.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/formats/CodedWaveFormat.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Offered {
    DWORD rate;
    WORD channels;
    DWORD bitRate;
    bool operator==(const Offered&) const = default;
};

std::vector<Offered> OutputTypes(IBaseFilter* encoder)
{
    std::vector<Offered> list;
    IPin* out = nullptr;
    if (FAILED(encoder->FindPin(u"Audio Out", &out))) return list;
    IEnumMediaTypes* types = nullptr;
    out->EnumMediaTypes(&types);
    AM_MEDIA_TYPE* type = nullptr;
    while (types->Next(1, &type, nullptr) == S_OK) {
        CodedWaveFormat format;
        if (ReadCodedWaveType(*type, format) && WaveTagOfCodec(format.codecId) == 0x55)
            list.push_back({format.sampleRate, format.channels, format.bitRate});
        DeleteMediaType(type);
    }
    types->Release();
    out->Release();
    return list;
}

class AudioEncoderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_EQ(CoCreateInstance(CLSID_Mp3AudioEncoder, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&encoder)),
                  S_OK);
    }
    void TearDown() override
    {
        // Connected pins hold each other: both ends let go before the filters do.
        if (source) {
            IPin* out = source->PinAt(0);
            IPin* peer = nullptr;
            if (SUCCEEDED(out->ConnectedTo(&peer)) && peer) {
                peer->Disconnect();
                peer->Release();
            }
            out->Disconnect();
        }
        SafeRelease(encoder);
        if (source) source->Release();
        CoUninitialize();
    }
    IBaseFilter* encoder = nullptr;
    CTestSource* source = nullptr;
};

TEST_F(AudioEncoderTest, ListsEveryRateChannelsAndBitrateBeforeItsInputIsKnown)
{
    std::vector<Offered> types = OutputTypes(encoder);
    ASSERT_FALSE(types.empty());
    auto has = [&](Offered o) { return std::find(types.begin(), types.end(), o) != types.end(); };
    EXPECT_TRUE(has({44100, 2, 128000}));
    EXPECT_TRUE(has({48000, 2, 320000}));
    EXPECT_TRUE(has({8000, 1, 8000}));
    EXPECT_FALSE(has({8000, 1, 128000})) << "more than a coder reaches at 8 kHz mono";
}

TEST_F(AudioEncoderTest, OffersTheInputsRateWithTheBitratesItReaches)
{
    source = new CTestSource(5, false); // 8 kHz mono
    IPin* in = nullptr;
    ASSERT_EQ(encoder->FindPin(u"Audio In", &in), S_OK);
    ASSERT_EQ(source->PinAt(0)->Connect(in, nullptr), S_OK);
    in->Release();
    std::vector<Offered> types = OutputTypes(encoder);
    ASSERT_FALSE(types.empty());
    // The highest bitrate below the usual one comes first.
    EXPECT_EQ(types.front(), (Offered{8000, 1, 32000}));
    for (const Offered& o : types) {
        EXPECT_EQ(o.rate, 8000u);
        EXPECT_EQ(o.channels, 1);
        EXPECT_LE(o.bitRate, 32000u);
    }
}

TEST_F(AudioEncoderTest, LibraryPathMustNameAFileThatExists)
{
    ILameLibraryPath* path = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ILameLibraryPath>(encoder, &path), S_OK);
    EXPECT_EQ(path->SetLibraryPath("/no/such/lame_enc.dll"), E_INVALIDARG);
    EXPECT_EQ(path->SetLibraryPath("/proc/self/exe"), S_OK);
    EXPECT_EQ(path->SetLibraryPath(nullptr), S_OK);
    path->Release();
    IEncoderPrivateSetting* setting = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IEncoderPrivateSetting>(encoder, &setting), S_OK);
    EXPECT_EQ(setting->SetPrivate(1), S_OK);
    setting->Release();
}

} // namespace
