#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioEncoderFilter.h"
#include "CAudioTransformChain.h"
#include "CColorConverterFilter.h"
#include "CHandle.h"
#include "CDecoderFilter.h"
#include "CDecoderInfo.h"
#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CFilterPin.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CVideoEncoderFilter.h"
#include "CVideoTransformChain.h"
#include "EncoderSetIds.h"
#include "OfferFilterFactory.h"
#include "StDirectShow.h"
#include "com/Guid.h"
#include "dshow/MediaType.h"
#include "win32/TestHome.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const CLSID kSource = {0x6A2C2001, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 1}};
const CLSID kRefusingDecoder = {0x6A2C2002, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 2}};
const CLSID kDecoder = {0x6A2C2003, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 3}};
const GUID kCoded = {0x6A2C2004, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 4}};
const GUID kOther = {0x6A2C2005, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 5}};
const CLSID kEncoder = {0x6A2C2006, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 6}};
const CLSID kVideoSource = {0x6A2C2007, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 7}};
const CLSID kVideoEncoder = {0x6A2C2008, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 8}};
const GUID kDecodedVideo = {0x6A2C2009, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 9}};
const GUID kEncodableVideo = {0x6A2C200A, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x20, 10}};

CMediaType Pcm(DWORD rate, WORD bits)
{
    CMediaType type;
    MakePcmMediaType(type, rate, 1, bits);
    return type;
}

CMediaType Coded(const GUID& subtype)
{
    CMediaType type = Pcm(8000, 16);
    type.subtype = subtype;
    reinterpret_cast<WAVEFORMATEX*>(type.pbFormat)->wFormatTag = 0x55;
    return type;
}

void Source(COfferFilter& f)
{
    f.AddOffering(PINDIR_OUTPUT, u"Out", {Coded(kCoded)});
}

void RefusingDecoder(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"In", {Coded(kOther)});
    f.AddOffering(PINDIR_OUTPUT, u"Out", {Pcm(8000, 16)});
}

void Decoder(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"In", {Coded(kCoded)});
    f.AddOffering(PINDIR_OUTPUT, u"Out", {Pcm(8000, 16)});
}

// A stage that takes any PCM and offers 16 kHz 16-bit and 8 kHz 8-bit mono.
void PcmStage(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"Input", {Pcm(8000, 16)});
    f.AddOffering(PINDIR_OUTPUT, u"Output", {Pcm(16000, 16), Pcm(8000, 8)});
}

void Encoder(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"In", {Pcm(8000, 16)});
    f.AddOffering(PINDIR_OUTPUT, u"Out", {Coded(kOther)});
}

CMediaType Video(const GUID& subtype)
{
    CMediaType type;
    type.majortype = MEDIATYPE_Video;
    type.subtype = subtype;
    return type;
}

void VideoSource(COfferFilter& f)
{
    f.AddOffering(PINDIR_OUTPUT, u"Out", {Video(kDecodedVideo)});
}

// Takes only what the colour converter makes.
void VideoEncoder(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"In", {Video(kEncodableVideo)});
    f.AddOffering(PINDIR_OUTPUT, u"Out", {Video(kOther)});
}

void ColorConverter(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"Video In", {Video(kDecodedVideo)});
    f.AddOffering(PINDIR_OUTPUT, u"Video Out", {Video(kEncodableVideo)});
}

// An audio chain that tries a registry of the test's own.
class CTestAudioChain : public CAudioTransformChain {
public:
    CTestAudioChain(CDirectShowGraph* graph, CFilterPin* pin, CDecoderInfo* registry)
        : CAudioTransformChain(graph, pin), m_registry(registry)
    {
    }
    CDecoderInfo* GetDecoderInfo() override { return m_registry; }

private:
    CDecoderInfo* m_registry;
};

class TransformChainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_offers.Add<&Source>(kSource);
        m_offers.Add<&RefusingDecoder>(kRefusingDecoder);
        m_offers.Add<&Decoder>(kDecoder);
        for (const CLSID& id : {CLSID_BufferFilter, CLSID_TimeCleaner, CLSID_AudioRechanneler, CLSID_AudioResampler})
            m_offers.Add<&PcmStage>(id);
        m_offers.Add<&Encoder>(kEncoder);
        m_offers.Add<&VideoSource>(kVideoSource);
        m_offers.Add<&VideoEncoder>(kVideoEncoder);
        m_offers.Add<&ColorConverter>(CLSID_ColorConverter);
        ASSERT_TRUE(m_graph.Create());
        m_source.SetGraph(&m_graph);
        m_source.SetName("Source");
        m_source.SetId(kSource);
        ASSERT_TRUE(m_source.Create());
        static const SDefaultDecoder kDecoders[] = {
            {"Refusing", "{6A2C2002-0000-4000-8000-000000002002}", false},
            {"Decoder", "{6A2C2003-0000-4000-8000-000000002003}", false},
        };
        m_registry = std::make_unique<CDecoderInfo>("Test Decoder.ini", kDecoders, 2);
    }
    void TearDown() override
    {
        m_sourcePin.Release();
        m_source.Release();
    }

    MvTestHome m_home;
    StDirectShow m_com;
    COfferRegistrations m_offers;
    CDirectShowGraph m_graph;
    CDirectShowFilter m_source;
    CFilterPin m_sourcePin{&m_source, "", false};
    std::unique_ptr<CDecoderInfo> m_registry;
};

TEST_F(TransformChainTest, DecoderIsTriedFromTheRegistryAndEveryFinishedTryIsRecorded)
{
    CTestAudioChain chain(&m_graph, &m_sourcePin, m_registry.get());
    EXPECT_EQ(chain.GetOutputPin(), &m_sourcePin);
    ASSERT_TRUE(chain.ConnectDecoder());
    EXPECT_EQ(chain.GetDecoderId(), kDecoder);
    EXPECT_EQ(chain.GetOutputPin(), chain.GetDecoder()->GetOutputPin());

    // A try that returned counts as tried and working, whatever it gave.
    bool dmo = false;
    bool tried = false;
    EXPECT_TRUE(m_registry->UseDecoder(kRefusingDecoder, kCoded, dmo, tried));
    EXPECT_TRUE(tried);
    EXPECT_TRUE(m_registry->UseDecoder(kDecoder, kCoded, dmo, tried));
    EXPECT_TRUE(tried);

    GUID subtype{};
    unsigned long code = 0;
    bool plain = true;
    GUID decoderId{};
    GUID decoder2Id = kOther;
    ASSERT_TRUE(chain.GetStreamType(subtype, code, plain, decoderId, decoder2Id));
    EXPECT_EQ(subtype, kCoded);
    EXPECT_EQ(code, 0x55u);
    EXPECT_FALSE(plain);
    EXPECT_EQ(decoderId, kDecoder);
    EXPECT_EQ(decoder2Id, kOther);
}

TEST_F(TransformChainTest, DecoderRecordedAsFailingIsSkipped)
{
    // As left by an attempt that never came back.
    m_registry->SetUseDecoder(kDecoder, kCoded, false);
    CTestAudioChain chain(&m_graph, &m_sourcePin, m_registry.get());
    EXPECT_FALSE(chain.ConnectDecoder());
    EXPECT_EQ(chain.GetDecoder(), nullptr);
    EXPECT_EQ(chain.GetDecoderId(), GUID_NULL);
    EXPECT_EQ(m_sourcePin.GetConnectedPin(), nullptr);
}

TEST_F(TransformChainTest, StagesAreWalkedForwardAndUnlinkedBackward)
{
    CTestAudioChain chain(&m_graph, &m_sourcePin, m_registry.get());
    ASSERT_TRUE(chain.ConnectDecoder());
    ASSERT_TRUE(chain.ConnectBuffer());
    ASSERT_TRUE(chain.ConnectResampler());
    ASSERT_TRUE(chain.ConnectTimeCleaner());
    CFilterPin* end = chain.GetOutputPin();
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->GetFilter()->GetName(), CString("Time Cleaner"));
    // Back from the end through the resampler, the buffer and the decoder to the source.
    std::vector<CString> names;
    for (CFilterPin* pin = end; pin; pin = chain.GetPreviousPin(pin)) names.push_back(pin->GetFilter()->GetName());
    EXPECT_EQ(names, (std::vector<CString>{"Time Cleaner", "Audio Resampler", "Buffer", "Decoder", "Source"}));

    chain.Disconnect();
    EXPECT_EQ(m_sourcePin.GetConnectedPin(), nullptr);
    EXPECT_EQ(chain.GetDecoder()->GetOutputPin()->GetConnectedPin(), nullptr);
    EXPECT_EQ(chain.GetOutputPin(), &m_sourcePin);
}

TEST_F(TransformChainTest, OutputTypesAreSoughtAtMultiplesOfTheRate)
{
    CTestAudioChain chain(&m_graph, &m_sourcePin, m_registry.get());
    ASSERT_TRUE(chain.ConnectDecoder());
    ASSERT_TRUE(chain.ConnectBuffer());
    struct Case {
        unsigned long rate;
        unsigned short bits;
        DWORD found; // 0: none
    } cases[] = {{16000, 16, 16000}, {8000, 16, 16000}, {8000, 8, 8000}, {4000, 8, 8000}, {48000, 16, 0}, {0, 16, 0}};
    for (const Case& c : cases) {
        AM_MEDIA_TYPE* type = chain.FindOutputMediaType(c.rate, 1, c.bits);
        if (!c.found) {
            EXPECT_EQ(type, nullptr) << c.rate;
            continue;
        }
        ASSERT_NE(type, nullptr) << c.rate;
        EXPECT_EQ(reinterpret_cast<WAVEFORMATEX*>(type->pbFormat)->nSamplesPerSec, c.found) << c.rate;
        DeleteMediaType(type);
    }
    unsigned long rate = 0;
    unsigned short channels = 0;
    unsigned short bits = 0;
    ASSERT_TRUE(chain.GetAudioSettings(rate, channels, bits));
    EXPECT_EQ(rate, 16000u);
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(bits, 16);
}

TEST_F(TransformChainTest, FailedStageLeavesTheChainAsItWas)
{
    // The rechanneler refuses what the source offers: no decoder before it.
    CTestAudioChain chain(&m_graph, &m_sourcePin, m_registry.get());
    EXPECT_FALSE(chain.ConnectRechanneler());
    EXPECT_EQ(chain.GetOutputPin(), &m_sourcePin);
    EXPECT_EQ(m_sourcePin.GetConnectedPin(), nullptr);
}

TEST_F(TransformChainTest, EncoderGetsTheWantedRateThenSixteenThenEightBits)
{
    CAudioCodecsInfo codecs(true);
    codecs.Add("Test Encoder", "")->SetId(kEncoder);
    struct Case {
        unsigned long rate;
        unsigned short bits;
        DWORD connectedRate;
        WORD connectedBits;
    } cases[] = {
        {8000, 8, 8000, 8},     // as asked
        {8000, 24, 16000, 16},  // 16 bits at twice the rate
        {4000, 24, 16000, 16},  // the fourth multiple
        {44100, 16, 0, 0},      // nothing matches: the pins agree on a type themselves
    };
    for (const Case& c : cases) {
        CTestAudioChain chain(&m_graph, &m_sourcePin, m_registry.get());
        ASSERT_TRUE(chain.ConnectDecoder());
        ASSERT_TRUE(chain.ConnectResampler());
        ASSERT_TRUE(chain.ConnectEncoder("Test Encoder", "", c.rate, 1, c.bits)) << c.rate;
        EXPECT_EQ(chain.GetOutputPin(), chain.GetEncoder()->GetOutputPin());
        if (!c.connectedRate) continue;
        AM_MEDIA_TYPE type{};
        ASSERT_EQ(chain.GetEncoder()->GetInputPin()->GetPin()->ConnectionMediaType(&type), S_OK);
        ASSERT_NE(type.pbFormat, nullptr);
        EXPECT_EQ(reinterpret_cast<WAVEFORMATEX*>(type.pbFormat)->nSamplesPerSec, c.connectedRate) << c.rate;
        EXPECT_EQ(reinterpret_cast<WAVEFORMATEX*>(type.pbFormat)->wBitsPerSample, c.connectedBits) << c.rate;
        FreeMediaType(type);
    }
    CTestAudioChain chain(&m_graph, &m_sourcePin, m_registry.get());
    EXPECT_FALSE(chain.ConnectEncoder("Unknown Encoder", "", 8000, 1, 16));
    EXPECT_EQ(chain.GetEncoder(), nullptr);
}

TEST_F(TransformChainTest, VideoEncoderRefusingTheColourIsReachedThroughAConverter)
{
    CVideoCodecsInfo codecs(true);
    codecs.Add("Test Video Encoder", "")->SetId(kVideoEncoder);
    CDirectShowFilter source;
    source.SetGraph(&m_graph);
    source.SetName("Video Source");
    source.SetId(kVideoSource);
    ASSERT_TRUE(source.Create());
    CFilterPin pin(&source, "", false);
    {
        CVideoTransformChain chain(&m_graph, &pin);
        CHandle settings;
        ASSERT_TRUE(chain.ConnectEncoder("Test Video Encoder", "", 720, 576, 25, 80, settings));
        ASSERT_NE(chain.GetColorConverter(), nullptr);
        EXPECT_EQ(chain.GetColorConverter()->GetInputPin()->GetConnectedPin(), &pin);
        EXPECT_EQ(chain.GetOutputPin(), chain.GetEncoder()->GetOutputPin());
        // Back through the converter to the source.
        EXPECT_EQ(chain.GetPreviousPin(chain.GetOutputPin()), chain.GetColorConverter()->GetOutputPin());
        chain.Disconnect();
        EXPECT_EQ(pin.GetConnectedPin(), nullptr);
    }
    pin.Release();
    source.Release();
}

TEST(DualModeTest, SettingPicksTheChannel)
{
    EXPECT_EQ(CAudioTransformChain::DualMode(true, false), 1u);
    EXPECT_EQ(CAudioTransformChain::DualMode(true, true), 0u);
    EXPECT_EQ(CAudioTransformChain::DualMode(false, true), 2u);
}

TEST(VideoChainTest, SizeClassAndSubtitleMixerWithoutPin)
{
    EXPECT_EQ(CVideoTransformChain::SizeClass(576), 2);
    EXPECT_EQ(CVideoTransformChain::SizeClass(480), 1);
    EXPECT_EQ(CVideoTransformChain::SizeClass(500), 1);
    CVideoTransformChain chain(nullptr, nullptr);
    EXPECT_TRUE(chain.ConnectSubtitleMixer());
    EXPECT_EQ(chain.GetOutputPin(), nullptr);
    EXPECT_FALSE(chain.IsDecoderPin());
}

} // namespace
