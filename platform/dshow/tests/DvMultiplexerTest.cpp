// The DV video encoder and the DV multiplexer: the types they take and refuse, and pictures
// with sound through both to a sink, which gets whole DV frames.
#include "TestFilters.h"

#include "com/ComRuntime.h"
#include "dshow/DvMultiplexer.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/VideoInfo.h"
#include "dshow/encoders/DvVideoEncoder.h"
#include "dshow/formats/DvFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Offers one media type and sends nothing itself.
class CTypedSource : public CBaseFilter {
public:
    explicit CTypedSource(const CMediaType& type) : CBaseFilter(CLSID_TestSource), m_type(type)
    {
        AddPin(PINDIR_OUTPUT, u"Out");
    }
    HRESULT CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type) override
    {
        return type.majortype == m_type.majortype && type.subtype == m_type.subtype ? S_OK : E_FAIL;
    }
    HRESULT GetMediaType(CBasePin*, int index, CMediaType& type) override
    {
        if (index != 0) return S_FALSE;
        type = m_type;
        return S_OK;
    }

private:
    CMediaType m_type;
};

// Takes the DV frames as an interleaved stream or as a byte stream.
class CFrameSink : public CSinkFilter {
public:
    explicit CFrameSink(const GUID& major) : CSinkFilter(CLSID_TestSink), m_major(major)
    {
        AddPin(PINDIR_INPUT, u"In");
    }
    HRESULT CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type) override
    {
        return type.majortype == m_major ? S_OK : E_FAIL;
    }
    HRESULT Receive(CBasePin*, const MediaSample& sample) override
    {
        sizes.push_back(sample.size);
        starts.push_back(sample.start);
        bytes.insert(bytes.end(), sample.data, sample.data + sample.size);
        return S_OK;
    }
    HRESULT EndOfStream(CBasePin* pin) override
    {
        ++ends;
        return CSinkFilter::EndOfStream(pin);
    }
    std::vector<LONG> sizes;
    std::vector<REFERENCE_TIME> starts;
    std::vector<BYTE> bytes;
    int ends = 0;

private:
    GUID m_major;
};

CMediaType RgbType(LONG width, LONG height, REFERENCE_TIME frameTime)
{
    CMediaType type;
    MakeRgbVideoType(type, MEDIASUBTYPE_RGB32, width, height, frameTime);
    return type;
}

CMediaType PcmType(DWORD rate, WORD channels = 2, WORD bits = 16)
{
    CMediaType type;
    MakePcmMediaType(type, rate, channels, bits);
    return type;
}

CMediaType DvType(const DvSystem& system, bool interleaved)
{
    CMediaType type;
    MakeDvType(type, system, interleaved);
    return type;
}

// A DV video type whose picture size or frame time is changed.
CMediaType OddDvType(const DvSystem& system, LONG width, LONG height, REFERENCE_TIME frameTime)
{
    CMediaType type = DvType(system, false);
    auto* info = reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->AvgTimePerFrame = frameTime;
    return type;
}

bool Accepts(CBasePin* pin, const CMediaType& type) { return pin->QueryAccept(&type) == S_OK; }

class DvMultiplexerTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override
    {
        for (CBaseFilter* filter : m_filters) {
            filter->Stop();
            for (size_t i = 0; i < filter->PinCount(); ++i) filter->PinAt(i)->Disconnect();
        }
        for (CBaseFilter* filter : m_filters) filter->Release();
        CoUninitialize();
    }
    template <class F, class... A>
    F* Make(A&&... args)
    {
        F* filter = new F(std::forward<A>(args)...);
        m_filters.push_back(filter);
        return filter;
    }
    static HRESULT Link(CBasePin* out, CBasePin* in) { return out->Connect(in, nullptr); }

    std::vector<CBaseFilter*> m_filters;
};

TEST_F(DvMultiplexerTest, MultiplexerTakesDvVideoAndDvSoundOnly)
{
    auto* mux = Make<CDvMultiplexer>();
    CBasePin* video = mux->PinAt(0);
    CBasePin* audio = mux->PinAt(1);
    CBasePin* output = mux->PinAt(2);
    EXPECT_EQ(video->Name(), u"Video In");
    EXPECT_EQ(audio->Name(), u"Audio In");
    EXPECT_EQ(output->Name(), u"Output");

    const struct {
        const char* what;
        CMediaType type;
        bool taken;
    } videoCases[] = {
        {"NTSC DV", DvType(kDvNtsc, false), true},
        {"PAL DV", DvType(kDvPal, false), true},
        {"PAL DV of unknown rate", OddDvType(kDvPal, 720, 576, 0), true},
        {"NTSC size at 25 fps", OddDvType(kDvNtsc, 720, 480, kDvPal.frameTime), false},
        {"PAL size at 30 fps", OddDvType(kDvPal, 720, 576, kUnitsPerSecond / 30), false},
        {"640x480 DV", OddDvType(kDvNtsc, 640, 480, kDvNtsc.frameTime), false},
        {"interleaved DV", DvType(kDvPal, true), false},
        {"RGB pictures", RgbType(720, 576, kDvPal.frameTime), false},
        {"PCM", PcmType(48000), false},
    };
    for (const auto& c : videoCases) EXPECT_EQ(Accepts(video, c.type), c.taken) << c.what;

    const struct {
        const char* what;
        CMediaType type;
        bool taken;
    } audioCases[] = {
        {"48 kHz", PcmType(48000), true},  {"44.1 kHz", PcmType(44100), true}, {"32 kHz", PcmType(32000), true},
        {"22.05 kHz", PcmType(22050), false}, {"mono", PcmType(48000, 1), false},
        {"8-bit", PcmType(48000, 2, 8), false}, {"DV video", DvType(kDvPal, false), false},
    };
    for (const auto& c : audioCases) EXPECT_EQ(Accepts(audio, c.type), c.taken) << c.what;

    // The output is typed by the video it carries.
    CMediaType offered;
    EXPECT_EQ(mux->GetMediaType(output, 0, offered), S_FALSE);
    EXPECT_FALSE(Accepts(output, DvType(kDvPal, true)));
    auto* source = Make<CTypedSource>(DvType(kDvPal, false));
    ASSERT_EQ(Link(source->PinAt(0), video), S_OK);
    ASSERT_EQ(mux->GetMediaType(output, 0, offered), S_OK);
    EXPECT_EQ(ReadDvType(offered, true), &kDvPal);
    ASSERT_EQ(mux->GetMediaType(output, 1, offered), S_OK);
    EXPECT_EQ(offered.majortype, MEDIATYPE_Stream);
    EXPECT_TRUE(Accepts(output, DvType(kDvPal, true)));
    EXPECT_FALSE(Accepts(output, DvType(kDvNtsc, true)));
}

TEST_F(DvMultiplexerTest, EncoderTakesPicturesAtTheTwoFrameRates)
{
    auto* encoder = Make<CDvVideoEncoder>();
    CBasePin* input = encoder->PinAt(0);
    const struct {
        const char* what;
        CMediaType type;
        bool taken;
    } cases[] = {
        {"PAL picture", RgbType(720, 576, kDvPal.frameTime), true},
        {"NTSC picture", RgbType(720, 480, kDvNtsc.frameTime), true},
        {"smaller picture at 25 fps", RgbType(320, 240, kDvPal.frameTime), true},
        {"NTSC size at 25 fps", RgbType(720, 480, kDvPal.frameTime), false},
        {"PAL size at 29.97 fps", RgbType(720, 576, kDvNtsc.frameTime), false},
        {"30 fps", RgbType(720, 480, kUnitsPerSecond / 30), false},
        {"15 fps", RgbType(320, 240, kUnitsPerSecond / 15), false},
        {"PCM", PcmType(48000), false},
    };
    for (const auto& c : cases) EXPECT_EQ(Accepts(input, c.type), c.taken) << c.what;

    // A system set beforehand refuses pictures of the other's rate.
    IDVEnc* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IDVEnc>(static_cast<IBaseFilter*>(encoder), &settings), S_OK);
    EXPECT_EQ(settings->put_IFormatResolution(kDvEncoderVideoFormatPal, kDvEncoderFormatDvsd, 2013, 0, nullptr),
              E_INVALIDARG);
    EXPECT_EQ(settings->put_IFormatResolution(1999, kDvEncoderFormatDvsd, kDvEncoderResolutionFull, 0, nullptr),
              E_INVALIDARG);
    ASSERT_EQ(settings->put_IFormatResolution(kDvEncoderVideoFormatPal, kDvEncoderFormatDvsd,
                                              kDvEncoderResolutionFull, 0, nullptr),
              S_OK);
    EXPECT_FALSE(Accepts(input, RgbType(320, 240, kDvNtsc.frameTime)));
    EXPECT_TRUE(Accepts(input, RgbType(320, 240, kDvPal.frameTime)));
    int format = 0, dv = 0, resolution = 0;
    ASSERT_EQ(settings->get_IFormatResolution(&format, &dv, &resolution, 0, nullptr), S_OK);
    EXPECT_EQ(format, kDvEncoderVideoFormatPal);
    EXPECT_EQ(dv, kDvEncoderFormatDvsd);
    EXPECT_EQ(resolution, kDvEncoderResolutionFull);
    settings->Release();

    // Its output is the DV video of the input's system, a smaller picture scaled up.
    auto* source = Make<CTypedSource>(RgbType(320, 240, kDvPal.frameTime));
    ASSERT_EQ(Link(source->PinAt(0), input), S_OK);
    CMediaType offered;
    ASSERT_EQ(encoder->GetMediaType(encoder->PinAt(1), 0, offered), S_OK);
    EXPECT_EQ(ReadDvType(offered, false), &kDvPal);
}

struct FramesCase {
    const char* what;
    const DvSystem* system;
    LONG width, height;
    int rate;          // 0: no sound
    double soundShare; // of the pictures' length
    bool byteStream;
};

class DvFramesTest : public DvMultiplexerTest, public ::testing::WithParamInterface<FramesCase> {};

TEST_P(DvFramesTest, PicturesAndSoundBecomeWholeDvFrames)
{
    const FramesCase& c = GetParam();
    const DvSystem& system = *c.system;
    constexpr int kPictures = 6;
    auto* pictures = Make<CTypedSource>(RgbType(c.width, c.height, system.frameTime));
    auto* encoder = Make<CDvVideoEncoder>();
    auto* mux = Make<CDvMultiplexer>();
    auto* sink = Make<CFrameSink>(c.byteStream ? MEDIATYPE_Stream : MEDIATYPE_Interleaved);
    ASSERT_EQ(Link(pictures->PinAt(0), encoder->PinAt(0)), S_OK);
    ASSERT_EQ(Link(encoder->PinAt(1), mux->PinAt(0)), S_OK);
    if (c.rate) {
        auto* sound = Make<CTypedSource>(PcmType(DWORD(c.rate)));
        ASSERT_EQ(Link(sound->PinAt(0), mux->PinAt(1)), S_OK);
    }
    ASSERT_EQ(Link(mux->PinAt(2), sink->PinAt(0)), S_OK);
    for (CBaseFilter* filter : {static_cast<CBaseFilter*>(sink), static_cast<CBaseFilter*>(mux),
                                static_cast<CBaseFilter*>(encoder)})
        ASSERT_EQ(filter->Pause(), S_OK);

    // A flat grey picture and a 1 kHz tone, each in its own order.
    std::vector<BYTE> picture(size_t(c.width * c.height * 4), 0x80);
    const int samples = int(std::lround(c.soundShare * kPictures * c.rate * system.rateDen / system.rateNum));
    std::vector<int16_t> tone(size_t(samples) * 2);
    for (int i = 0; i < samples; ++i)
        tone[size_t(i) * 2] = tone[size_t(i) * 2 + 1] = int16_t(8000 * std::sin(2 * M_PI * 1000 * i / c.rate));
    for (int i = 0; i < kPictures; ++i) {
        MediaSample sample;
        sample.data = picture.data();
        sample.size = LONG(picture.size());
        sample.hasTime = true;
        sample.start = DvFrameStart(system, i);
        sample.stop = DvFrameStart(system, i + 1);
        ASSERT_EQ(encoder->PinAt(0)->Receive(&sample), S_OK) << i;
        // The sound comes in blocks of 1000 samples after the first picture.
        for (int at = i * samples / kPictures; c.rate && at < (i + 1) * samples / kPictures; at += 1000) {
            const int count = std::min(1000, (i + 1) * samples / kPictures - at);
            MediaSample block;
            block.data = reinterpret_cast<const BYTE*>(tone.data() + size_t(at) * 2);
            block.size = count * 4;
            block.hasTime = true;
            block.start = REFERENCE_TIME(at) * kUnitsPerSecond / c.rate;
            block.stop = block.start + REFERENCE_TIME(count) * kUnitsPerSecond / c.rate;
            ASSERT_EQ(mux->PinAt(1)->Receive(&block), S_OK) << at;
        }
    }
    ASSERT_EQ(encoder->PinAt(0)->EndOfStream(), S_OK);
    if (c.rate) {
        EXPECT_EQ(sink->ends, 0) << "the sound has not ended yet";
        ASSERT_EQ(mux->PinAt(1)->EndOfStream(), S_OK);
    }
    EXPECT_EQ(sink->ends, 1);

    ASSERT_EQ(sink->sizes.size(), size_t(kPictures));
    for (int i = 0; i < kPictures; ++i) {
        EXPECT_EQ(sink->sizes[size_t(i)], system.frameSize) << i;
        const REFERENCE_TIME start = c.byteStream ? REFERENCE_TIME(i) * system.frameSize : DvFrameStart(system, i);
        EXPECT_EQ(sink->starts[size_t(i)], start) << i;
    }
    EXPECT_EQ(system.frameSize, &system == &kDvNtsc ? 120000 : 144000);
    // Every frame opens with the header block of its system: 625 lines set the top bit.
    for (int i = 0; i < kPictures; ++i) {
        const BYTE* frame = sink->bytes.data() + size_t(i) * size_t(system.frameSize);
        EXPECT_EQ(frame[0] & 0xE0, 0x00) << "header section";
        EXPECT_EQ(frame[3] & 0x80, &system == &kDvPal ? 0x80 : 0x00) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Systems, DvFramesTest,
    ::testing::Values(FramesCase{"PAL 48 kHz", &kDvPal, 720, 576, 48000, 1.0, false},
                      FramesCase{"PAL 32 kHz to a file writer", &kDvPal, 720, 576, 32000, 1.0, true},
                      FramesCase{"PAL small picture, sound ends early", &kDvPal, 320, 240, 44100, 0.5, false},
                      FramesCase{"NTSC 48 kHz", &kDvNtsc, 720, 480, 48000, 1.0, false},
                      FramesCase{"NTSC 44.1 kHz", &kDvNtsc, 720, 480, 44100, 1.0, true},
                      FramesCase{"NTSC without sound", &kDvNtsc, 720, 480, 0, 0.0, false}),
    [](const ::testing::TestParamInfo<FramesCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST_F(DvMultiplexerTest, OnlyTheAviMultiplexerTakesInterleavedDv)
{
    for (const auto& [clsid, taken] : {std::pair{CLSID_AviMux, true}, std::pair{CLSID_MatroskaMultiplexer, false}}) {
        IBaseFilter* mux = nullptr;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&mux)),
                  S_OK);
        IPin* video = nullptr;
        IPin* audio = nullptr;
        ASSERT_EQ(mux->FindPin(u"Video In", &video), S_OK);
        ASSERT_EQ(mux->FindPin(u"Audio In", &audio), S_OK);
        const CMediaType dv = DvType(kDvNtsc, true);
        EXPECT_EQ(video->QueryAccept(&dv), taken ? S_OK : S_FALSE);
        EXPECT_EQ(audio->QueryAccept(&dv), S_FALSE);
        video->Release();
        audio->Release();
        mux->Release();
    }
}

} // namespace
