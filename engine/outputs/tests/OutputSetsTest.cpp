#include "CAudioTransformChain.h"
#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CDecodingTestOutputFilters2.h"
#include "CDvOutputFilters2.h"
#include "CFileOutputFilters2.h"
#include "CFilterPin.h"
#include "CFormatTypes.h"
#include "CInputFilters2.h"
#include "CNilOutputFilters2.h"
#include "CVideoTransformChain.h"
#include "ConstGuid.h"
#include "EngineTestFilters.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "dshow/MediaType.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

const CLSID CLSID_TestOutputSource = ConstGuid("6A2C0401-0000-4000-8000-000000000401");

struct PinPlan {
    char kind; // 'v' video, 'a' audio, 's' subtitle
    DWORD rate = 44100;
    WORD channels = 2;
};
std::vector<PinPlan> gPlan;

// A source whose output pins follow the plan: PCM audio of the planned format, or a
// bare video or subtitle type.
HRESULT CreatePlannedSource(REFIID iid, void** object)
{
    const HRESULT hr = CreateComObject<COfferFilter>(iid, object);
    auto* filter = static_cast<COfferFilter*>(static_cast<IBaseFilter*>(*object));
    int n = 0;
    for (const PinPlan& plan : gPlan) {
        CMediaType type;
        if (plan.kind == 'a') {
            MakePcmMediaType(type, plan.rate, plan.channels, 16);
        } else {
            type.SetType(plan.kind == 'v' ? MEDIATYPE_Video : MEDIATYPE_Text);
        }
        const std::u16string name = u"out " + std::u16string(1, char16_t('0' + n++));
        filter->AddOffering(PINDIR_OUTPUT, name, {type});
    }
    return hr;
}

// An input set over the planned source, handing out its pins by kind.
class CPlannedInput : public CInputFilters2 {
public:
    explicit CPlannedInput(CDirectShowGraph* graph) : CInputFilters2(graph)
    {
        m_source.SetGraph(graph);
        m_source.SetName("Source");
        m_source.SetId(CLSID_TestOutputSource);
        EXPECT_TRUE(m_source.Create());
        for (size_t i = 0; i < gPlan.size(); ++i) {
            auto pin = std::make_unique<CFilterPin>(&m_source, "", false);
            pin->SetIndex(static_cast<int>(i));
            Pins(gPlan[i].kind).push_back(pin.get());
            m_pins.push_back(std::move(pin));
        }
    }
    ~CPlannedInput() override
    {
        for (auto& pin : m_pins) pin->Release();
        m_source.Release();
    }
    int GetVideoPinCount(EOutputType) override { return static_cast<int>(m_video.size()); }
    CFilterPin* GetVideoPin(EOutputType, int i) override { return m_video[static_cast<size_t>(i)]; }
    int GetAudioPinCount(EOutputType) override { return static_cast<int>(m_audio.size()); }
    CFilterPin* GetAudioPin(EOutputType, int i) override { return m_audio[static_cast<size_t>(i)]; }
    int GetTotalSubtitlePinCount() override { return static_cast<int>(m_subtitle.size()); }
    CFilterPin* GetSubtitlePin(int i) override { return m_subtitle[static_cast<size_t>(i)]; }
    CFilterPin* Pin(char kind, int i) { return Pins(kind)[static_cast<size_t>(i)]; }

private:
    std::vector<CFilterPin*>& Pins(char kind) { return kind == 'v' ? m_video : kind == 'a' ? m_audio : m_subtitle; }

    CDirectShowFilter m_source;
    std::vector<std::unique_ptr<CFilterPin>> m_pins;
    std::vector<CFilterPin*> m_video;
    std::vector<CFilterPin*> m_audio;
    std::vector<CFilterPin*> m_subtitle;
};

class OutputSetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ComRegisterClass(CLSID_TestOutputSource, &CreatePlannedSource);
        ASSERT_TRUE(m_graph.Create());
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
    }
    void TearDown() override
    {
        m_graph.Release();
        ComRegisterClass(CLSID_TestOutputSource, nullptr);
        CoUninitialize();
    }

    CDirectShowGraph m_graph;
    std::unique_ptr<CFormatTypes> m_types;
};

TEST_F(OutputSetsTest, NilSetTerminatesMediaPinsButNotSubtitlesAlone)
{
    gPlan = {{'s'}, {'s'}};
    {
        CPlannedInput input(&m_graph);
        CNilOutputFilters2 nil(&m_graph);
        EXPECT_FALSE(nil.Connect(&input));
    }
    gPlan = {{'v'}, {'a'}};
    CPlannedInput input(&m_graph);
    CNilOutputFilters2 nil(&m_graph);
    EXPECT_TRUE(nil.Connect(&input));
    EXPECT_EQ(nil.GetNilRendererCount(), 2);
    nil.Disconnect();
    EXPECT_EQ(nil.GetNilRendererCount(), 0);
    EXPECT_EQ(input.Pin('a', 0)->GetConnectedPin(), nullptr);
}

TEST_F(OutputSetsTest, UnwantedVideoEndsInARendererWhileAudioGetsAChain)
{
    gPlan = {{'v'}, {'a'}};
    CPlannedInput input(&m_graph);
    CDecodingOutputFilters set(&m_graph);
    set.SetOutputType(kOutputProcessing);
    set.SetWantsVideo(false);
    EXPECT_TRUE(set.Connect(&input));
    EXPECT_EQ(set.GetNilRendererCount(), 1);
    EXPECT_EQ(set.GetVideoChainCount(), 0);
    EXPECT_EQ(set.GetAudioChainCount(), 1);
    set.Release();
    EXPECT_EQ(set.GetNilRendererCount(), 0);
    EXPECT_EQ(set.GetAudioChainCount(), 0);
}

TEST_F(OutputSetsTest, PickedAudioLeavesTheOtherPinsAlone)
{
    gPlan = {{'a'}, {'a'}};
    {
        CPlannedInput input(&m_graph);
        CDecodingOutputFilters set(&m_graph);
        set.SetOutputType(kOutputProcessing);
        set.SetPickAudio(true, 1);
        EXPECT_TRUE(set.Connect(&input));
        ASSERT_EQ(set.GetAudioChainCount(), 1);
        EXPECT_EQ(set.GetAudioChain(0)->GetInputPin(), input.Pin('a', 1));
    }
    gPlan = {{'a'}};
    CPlannedInput input(&m_graph);
    CDecodingOutputFilters set(&m_graph);
    set.SetOutputType(kOutputProcessing);
    set.SetPickAudio(true, 1);
    set.Connect(&input);
    EXPECT_EQ(set.GetAudioChainCount(), 0);
}

TEST_F(OutputSetsTest, DecodingTestEndsEveryChainInARenderer)
{
    gPlan = {{'a', 22050, 1}, {'a', 8000, 2}};
    CPlannedInput input(&m_graph);
    CDecodingTestOutputFilters2 set(&m_graph);
    EXPECT_EQ(set.GetOutputType(), kOutputProcessing);
    EXPECT_TRUE(set.Connect(&input));
    EXPECT_EQ(set.GetAudioChainCount(), 2);
    EXPECT_EQ(set.GetNilRendererCount(), 2);
    EXPECT_NE(input.Pin('a', 1)->GetConnectedPin(), nullptr);
    set.Disconnect();
    EXPECT_EQ(set.GetNilRendererCount(), 0);
    EXPECT_EQ(input.Pin('a', 1)->GetConnectedPin(), nullptr);
}

// The audio stages a multiplex set wants for a source format and output type.
struct AudioNeeds {
    bool rechanneler;
    bool regulator;
    bool resampler;
};

AudioNeeds NeedsFor(CDirectShowGraph& graph, ESplitterType type, DWORD rate, WORD channels)
{
    gPlan = {{'a', rate, channels}};
    CPlannedInput input(&graph);
    CFileOutputFilters2 set(&graph);
    set.SetSplitterType(type);
    CAudioTransformChain chain(&graph, input.Pin('a', 0));
    return {set.NeedRechanneler(&chain), set.NeedAudioRegulator(&chain), set.NeedResampler(&chain)};
}

TEST_F(OutputSetsTest, AudioStagesFollowTheSourceFormatAndOutputType)
{
    const struct {
        ESplitterType type;
        DWORD rate;
        WORD channels;
        AudioNeeds expected;
    } cases[] = {
        {100, 44100, 2, {false, true, true}},  // default settings are 48 kHz
        {200, 44100, 2, {false, true, false}}, // Windows Media resamples itself
        {100, 24000, 2, {false, false, true}}, // 24 kHz is left out of the regulated rates
        {100, 48000, 2, {false, true, false}},
        {100, 48000, 6, {true, true, true}},
    };
    for (const auto& c : cases) {
        const AudioNeeds needs = NeedsFor(m_graph, c.type, c.rate, c.channels);
        EXPECT_EQ(needs.rechanneler, c.expected.rechanneler) << c.type << " " << c.rate << " " << c.channels;
        EXPECT_EQ(needs.regulator, c.expected.regulator) << c.type << " " << c.rate << " " << c.channels;
        EXPECT_EQ(needs.resampler, c.expected.resampler) << c.type << " " << c.rate << " " << c.channels;
    }
}

TEST_F(OutputSetsTest, FrameRateOfZeroTargetsThirty)
{
    gPlan = {{'v'}};
    CPlannedInput input(&m_graph);
    CFileOutputFilters2 set(&m_graph);
    set.SetVideoFrameRate(0);
    CVideoTransformChain chain(&m_graph, input.Pin('v', 0));
    double rate = 0;
    bool retime = true;
    EXPECT_TRUE(set.NeedPulseRegulator(&chain, rate, retime));
    EXPECT_EQ(rate, 30.0);
    EXPECT_EQ(set.GetVideoFrameRate(), 30.0);
    EXPECT_FALSE(retime);
    set.SetSplitterType(200);
    EXPECT_FALSE(set.NeedPulseRegulator(&chain, rate, retime));
}

TEST_F(OutputSetsTest, DvClipIsRenamedFromNumberZero)
{
    MvTestHome home;
    const std::string clip = home.Path() + "/clip.avi";
    std::ofstream(clip) << "x";
    CDvOutputFilters2 dv(&m_graph);
    dv.SetFilePath(clip.c_str());
    dv.SetFileOption(kFileReplaceRename);
    EXPECT_TRUE(dv.CanCreateFile());
    EXPECT_EQ(std::string(dv.GetFilePath()), home.Path() + "/clip_0.avi");
    dv.SetFilePath(clip.c_str());
    dv.SetFileOption(EFileReplace(5));
    EXPECT_FALSE(dv.CanCreateFile());
}

} // namespace
