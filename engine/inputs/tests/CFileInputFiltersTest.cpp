#include "CDirectShowGraph.h"
#include "CFileExtensionFilterData.h"
#include "CFileFilterData.h"
#include "CFileInputFilters2.h"
#include "CFilterData.h"
#include "CFilterPin.h"
#include "CMediaTags.h"
#include "CNamedValue.h"
#include "CSplitterFilter.h"
#include "OfferFilterFactory.h"
#include "UInputTables.h"
#include "StDirectShow.h"
#include "com/ComRuntime.h"
#include "dshow/MediaType.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

namespace {

// Class ids of the fake sources and splitters, one per shape.
const CLSID kOneStreamSource = {0x6A2C1001, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 1}};
const CLSID kTwoStreamSource = {0x6A2C1002, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 2}};
const CLSID kAudioSource = {0x6A2C1003, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 3}};
const CLSID kRefusingSplitter = {0x6A2C1004, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 4}};
const CLSID kAudioSplitter = {0x6A2C1005, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 5}};
const CLSID kStreamSplitter = {0x6A2C1006, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 6}};
const CLSID kMissing = {0x6A2C1007, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 7}};
const CLSID kVideoSource = {0x6A2C1008, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x10, 8}};

CMediaType StreamType()
{
    CMediaType type;
    type.majortype = MEDIATYPE_Stream;
    type.subtype = MEDIATYPE_Stream;
    return type;
}

CMediaType PcmType()
{
    CMediaType type;
    MakePcmMediaType(type, 8000, 1, 16);
    return type;
}

void OneStreamSource(COfferFilter& f)
{
    f.AddOffering(PINDIR_OUTPUT, u"Output", {StreamType()});
}

void TwoStreamSource(COfferFilter& f)
{
    f.AddOffering(PINDIR_OUTPUT, u"Output 1", {StreamType()});
    f.AddOffering(PINDIR_OUTPUT, u"Output 2", {StreamType()});
}

void AudioSource(COfferFilter& f)
{
    f.AddOffering(PINDIR_OUTPUT, u"Audio", {PcmType()});
}

void VideoSource(COfferFilter& f)
{
    CMediaType video;
    video.majortype = MEDIATYPE_Video;
    video.subtype = MEDIATYPE_Video;
    f.AddOffering(PINDIR_OUTPUT, u"Video", {video});
    f.AddOffering(PINDIR_OUTPUT, u"Audio", {PcmType()});
}

void RefusingSplitter(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"Input", {StreamType()}, false);
    f.AddOffering(PINDIR_OUTPUT, u"Audio", {PcmType()});
}

void AudioSplitter(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"Input", {StreamType()});
    f.AddOffering(PINDIR_OUTPUT, u"Audio", {PcmType()});
}

void StreamSplitter(COfferFilter& f)
{
    f.AddOffering(PINDIR_INPUT, u"Input", {StreamType()});
    f.AddOffering(PINDIR_OUTPUT, u"Output", {StreamType()});
}

class FileInputFiltersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_offers.Add<&OneStreamSource>(kOneStreamSource);
        m_offers.Add<&TwoStreamSource>(kTwoStreamSource);
        m_offers.Add<&AudioSource>(kAudioSource);
        m_offers.Add<&RefusingSplitter>(kRefusingSplitter);
        m_offers.Add<&AudioSplitter>(kAudioSplitter);
        m_offers.Add<&StreamSplitter>(kStreamSplitter);
        m_offers.Add<&VideoSource>(kVideoSource);
        ASSERT_TRUE(m_graph.Create());
        UInputTables::Set(&m_tables);
    }
    void TearDown() override { UInputTables::Set(nullptr); }
    CFilterData* Chain(const char* extension, const char* name, const CLSID& id)
    {
        return m_tables.AddExtension(extension)->AddFilter(name, id);
    }
    int FiltersInGraph()
    {
        IEnumFilters* filters = nullptr;
        if (FAILED(m_graph.GetGraph()->EnumFilters(&filters)) || !filters) return -1;
        int count = 0;
        IBaseFilter* filter = nullptr;
        ULONG fetched = 0;
        while (filters->Next(1, &filter, &fetched) == S_OK && fetched == 1) {
            ++count;
            filter->Release();
        }
        filters->Release();
        return count;
    }

    MvTestHome m_home;
    StDirectShow m_com;
    COfferRegistrations m_offers;
    CDirectShowGraph m_graph;
    CFileFilterData m_tables;
};

TEST_F(FileInputFiltersTest, TrialTriesTheExtensionChainsInOrderAndLeavesNoFailedFilter)
{
    Chain("tst", "Missing", kMissing);
    CFilterData* source = Chain("tst", "One Stream", kOneStreamSource);
    source->AddNextFilter("Refusing", kRefusingSplitter);
    source->AddNextFilter("Audio", kAudioSplitter);

    CFileInputFilters2 input(&m_graph);
    input.SetFilePath("/media/clip.TST");
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    EXPECT_TRUE(input.GetErrorText().IsEmpty());
    EXPECT_EQ(input.GetInputId(), kOneStreamSource);
    EXPECT_TRUE(input.GetChainSplitter());
    EXPECT_EQ(input.GetSplitterId(0), kAudioSplitter);
    EXPECT_EQ(FiltersInGraph(), 2);
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 1);
    EXPECT_EQ(input.GetTotalAudioPinCount(), 1);
    EXPECT_NE(input.GetAudioPin(kOutputProcessing, 0), nullptr);
    EXPECT_EQ(input.GetAudioPin(kOutputProcessing, 1), nullptr);
    // Only processing outputs are served.
    EXPECT_EQ(input.GetAudioPinCount(kOutputRender), 0);
    EXPECT_EQ(input.GetAudioPin(kOutputNil, 0), nullptr);
    EXPECT_EQ(input.GetVideoPinCount(kOutputProcessing), 0);

    input.Release();
    EXPECT_EQ(FiltersInGraph(), 0);
}

TEST_F(FileInputFiltersTest, SourceWithMediaPinsGetsNoSplitter)
{
    Chain("tst", "Audio Source", kAudioSource)->AddNextFilter("Audio", kAudioSplitter);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath("clip.tst");
    ASSERT_TRUE(input.CreateAndConnect());
    EXPECT_EQ(input.GetSplitterId(0), GUID_NULL);
    EXPECT_EQ(input.GetSplitter(0), nullptr);
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 1);
}

TEST_F(FileInputFiltersTest, SeveralStreamPinsEachGetASplitterAndOneIsEnough)
{
    CFilterData* source = Chain("tst", "Two Streams", kTwoStreamSource);
    source->AddNextFilter("Audio", kAudioSplitter);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath("clip.tst");
    ASSERT_TRUE(input.CreateAndConnect());
    EXPECT_FALSE(input.GetChainSplitter());
    EXPECT_NE(input.GetSplitter(0), nullptr);
    EXPECT_NE(input.GetSplitter(1), nullptr);
    // Pins of splitters side by side are counted together and found in splitter order.
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 2);
    CFilterPin* second = input.GetAudioPin(kOutputProcessing, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetFilter(), input.GetSplitter(1));
}

TEST_F(FileInputFiltersTest, ChainedSplittersFeedTheSecondFromTheFirst)
{
    CFilterData* source = Chain("tst", "One Stream", kOneStreamSource);
    source->AddNextFilter("Stream", kStreamSplitter)->AddNextFilter("Audio", kAudioSplitter);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath("clip.tst");
    ASSERT_TRUE(input.CreateAndConnect());
    EXPECT_EQ(input.GetSplitterId(0), kStreamSplitter);
    EXPECT_EQ(input.GetSplitterId(1), kAudioSplitter);
    CFilterPin* pin = input.GetAudioPin(kOutputProcessing, 0);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin->GetFilter(), input.GetSplitter(1));
}

TEST_F(FileInputFiltersTest, UnknownExtensionFallsBackToEveryFileSource)
{
    m_tables.AddFileSource("Missing", kMissing);
    m_tables.AddFileSource("One Stream", kOneStreamSource)->AddNextFilter("Audio", kAudioSplitter);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath("clip.unknown");
    ASSERT_TRUE(input.CreateAndConnect());
    EXPECT_EQ(input.GetInputId(), kOneStreamSource);
}

TEST_F(FileInputFiltersTest, NothingOpensGivesTheFirstErrorAndAnEmptyGraph)
{
    Chain("tst", "Missing", kMissing);
    Chain("tst", "One Stream", kOneStreamSource)->AddNextFilter("Refusing", kRefusingSplitter);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath("clip.tst");
    EXPECT_FALSE(input.CreateAndConnect());
    EXPECT_EQ(input.GetErrorText(), CString("Unable to create file source."));
    EXPECT_EQ(input.GetInputId(), GUID_NULL);
    EXPECT_EQ(input.GetSplitterId(0), GUID_NULL);
    EXPECT_EQ(FiltersInGraph(), 0);
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 0);
}

TEST_F(FileInputFiltersTest, FixedIdsCreateAndConnectWithoutTrial)
{
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath("clip.none");
    input.SetInputId(kOneStreamSource);
    input.SetSplitterId(kAudioSplitter, 0);
    input.SetChainSplitter(true);
    ASSERT_TRUE(input.CreateAndConnect());
    EXPECT_EQ(input.GetAudioPinCount(kOutputProcessing), 1);
    input.Disconnect();
    EXPECT_EQ(input.GetSplitter(0)->GetInputPin()->GetConnectedPin(), nullptr);
    EXPECT_TRUE(input.Connect());

    input.Release();
    input.SetSplitterId(kRefusingSplitter, 0);
    EXPECT_FALSE(input.CreateAndConnect());
    EXPECT_EQ(input.GetErrorText(), CString("Unable to connect input filters."));
}

TEST_F(FileInputFiltersTest, Mp3FilesWithoutVideoGiveTheirId3Tags)
{
    // An ID3 version 1 tag at the end of the file.
    std::string tail = "TAG";
    for (const char* field : {"Evening Song", "Nobody", "Nowhere"}) tail += std::string(field).append(30 - std::strlen(field), '\0');
    tail += "2001";
    tail += std::string(30, '\0');
    tail += char(17);
    const std::string path = m_home.Path() + "/song.MP3";
    std::ofstream(path, std::ios::binary) << std::string(1000, '\xFF') << tail;

    CFileInputFilters2 audio(&m_graph);
    audio.SetFilePath(path.c_str());
    audio.SetInputId(kAudioSource);
    audio.SetChainSplitter(true);
    ASSERT_TRUE(audio.CreateAndConnect());
    CMediaTags tags;
    ASSERT_TRUE(audio.GetTags(tags));
    ASSERT_NE(tags.FindValue("TT2"), nullptr);
    EXPECT_EQ(tags.FindValue("TT2")->GetValue(), CString("Evening Song"));

    // A stream with pictures carries no ID3 tags; other files are not read for them.
    CFileInputFilters2 video(&m_graph);
    video.SetFilePath(path.c_str());
    video.SetInputId(kVideoSource);
    ASSERT_TRUE(video.CreateAndConnect());
    EXPECT_EQ(video.GetVideoPinCount(kOutputProcessing), 1);
    CMediaTags none;
    EXPECT_FALSE(video.GetTags(none));
    const std::string wav = m_home.Path() + "/song.wav";
    std::ofstream(wav, std::ios::binary) << tail;
    CFileInputFilters2 other(&m_graph);
    other.SetFilePath(wav.c_str());
    other.SetInputId(kAudioSource);
    ASSERT_TRUE(other.CreateAndConnect());
    EXPECT_FALSE(other.GetTags(none));
}

TEST(InputFiltersTest, SplitterIdsBeyondFourAreIgnoredAndTheFirstErrorWins)
{
    CFileInputFilters2 input;
    input.SetSplitterId(kAudioSplitter, 4);
    EXPECT_EQ(input.GetSplitterId(4), GUID_NULL);
    EXPECT_EQ(input.GetSplitterId(-1), GUID_NULL);
    input.SetErrorText("first");
    input.SetErrorText("second");
    EXPECT_EQ(input.GetErrorText(), CString("first"));
    input.ResetErrorText();
    EXPECT_TRUE(input.GetErrorText().IsEmpty());
    // Without ids and without a path nothing can be created.
    EXPECT_FALSE(input.CreateSelf());
    input.AddMultiFilePath("a.wav");
    input.SetStart(10);
    input.Reset();
    EXPECT_EQ(input.GetMultiFilePathCount(), 0);
    EXPECT_EQ(input.GetStart(), 0);
}

} // namespace
