// The audio encoders' output types: what they list before and after their input is
// known, and the MP3 encoder's library path.
#include "TestFilters.h"

#include "com/ComRuntime.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/formats/CodedWaveFormat.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST_F(AudioEncoderTest, ListsExactlyTheBitratesMp3CarriesAtEachRateBeforeItsInputIsKnown)
{
    const std::vector<DWORD> mpeg1 = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    const std::vector<DWORD> mpeg2 = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    const std::vector<DWORD> mpeg25 = {8, 16, 24, 32, 40, 48, 56, 64};
    const struct {
        DWORD rate;
        const std::vector<DWORD>& kilobits;
    } cases[] = {{48000, mpeg1}, {44100, mpeg1}, {32000, mpeg1}, {22050, mpeg2},
                 {16000, mpeg2}, {11025, mpeg25}, {8000, mpeg25}};
    const std::vector<Offered> types = OutputTypes(encoder);
    for (const auto& c : cases)
        for (WORD channels : {WORD(1), WORD(2)}) {
            std::vector<DWORD> offered;
            for (const Offered& o : types)
                if (o.rate == c.rate && o.channels == channels) offered.push_back(o.bitRate / 1000);
            std::sort(offered.begin(), offered.end());
            EXPECT_EQ(offered, c.kilobits) << c.rate << " Hz, " << channels << " channels";
        }
}

TEST_F(AudioEncoderTest, OffersTheInputsRateWithTheBitratesItWrites)
{
    source = new CTestSource(5, false); // 8 kHz mono
    IPin* in = nullptr;
    ASSERT_EQ(encoder->FindPin(u"Audio In", &in), S_OK);
    ASSERT_EQ(source->PinAt(0)->Connect(in, nullptr), S_OK);
    in->Release();
    std::vector<Offered> types = OutputTypes(encoder);
    ASSERT_FALSE(types.empty());
    // The highest bitrate below the usual one comes first.
    EXPECT_EQ(types.front(), (Offered{8000, 1, 64000}));
    for (const Offered& o : types) {
        EXPECT_EQ(o.rate, 8000u);
        EXPECT_EQ(o.channels, 1);
        EXPECT_LE(o.bitRate, 64000u);
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
