// A user cuts a part out of a file with the slice bar while it plays paused, and the slice loop
// writes the parts that are left.
#include "../../../conversion/tests/ConversionRoadFixture.h"
#include "CFilePlaybackAdministrator2.h"
#include "CMediaSlicesTimelineWindow.h"
#include "CSaveDir2.h"
#include "CSliceDuration2.h"
#include "CSliceEditPanel.h"
#include "CVideoConversionSliceLoop.h"
#include "OutputPageSupport.h"
#include "dshow/sources/SourceIds.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 22050;
// How far past its end the file source may deliver: the rest of its last packet.
constexpr double kPacketSlack = 0.03;

// Each second of the tone is louder or softer than the next, so that a part tells where it
// came from.
int LoudnessAt(double seconds)
{
    return seconds < 1 ? 2000 : seconds < 2 ? 16000 : 6000;
}

// What libavformat reads back from a mono 16-bit PCM file.
struct WrittenSound {
    int rate = 0;
    std::vector<int16_t> samples;

    double Seconds() const { return rate ? double(samples.size()) / rate : -1; }
    // The loudest sample between the two times.
    int Peak(double from, double to) const
    {
        int peak = 0;
        for (size_t i = size_t(from * rate); i < samples.size() && i < size_t(to * rate); ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        return peak;
    }
};

WrittenSound ReadWritten(const fs::path& path)
{
    WrittenSound sound;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.string().c_str(), nullptr, nullptr) < 0) return sound;
    if (avformat_find_stream_info(format, nullptr) >= 0 && format->nb_streams == 1 &&
        format->streams[0]->codecpar->codec_id == AV_CODEC_ID_PCM_S16LE &&
        format->streams[0]->codecpar->ch_layout.nb_channels == 1) {
        sound.rate = format->streams[0]->codecpar->sample_rate;
        AVPacket* packet = av_packet_alloc();
        while (av_read_frame(format, packet) >= 0) {
            const auto* data = reinterpret_cast<const int16_t*>(packet->data);
            sound.samples.insert(sound.samples.end(), data, data + packet->size / 2);
            av_packet_unref(packet);
        }
        av_packet_free(&packet);
    }
    avformat_close_input(&format);
    return sound;
}

class CDoneCount : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDxLoop2::kLoopDoneMessage) ++done;
        return CListener::ListenToMessage(message, p, q);
    }
    int done = 0;
};

class SliceCutRoadTest : public CConversionRoadFixture {
protected:
    void SetUp() override
    {
        CConversionRoadFixture::SetUp();
        AddCodec("PCM", CLSID_PcmAudioCompressor, {100, 500});
        MvTakeShownMessageBoxes();
        m_source = m_dir / "tone.wav";
        WriteToneWav(m_source, kRate, 3, 1, LoudnessAt);
        m_file.GetFilePath().SetFilePath(m_source.string().c_str());
        ASSERT_TRUE(Probe(m_source, m_file));
        ASSERT_TRUE(m_host.Make());
        // The player reads the file through the file source and the splitter the probe found.
        m_player.SetFilePath(m_source.string().c_str());
        m_player.SetInputId(CLSID_AsyncFileSource);
        for (int i = 0; i < CMediaFile2::kSplitterCount; ++i) m_player.SetSplitterId(m_file.GetSplitterId(i), i);
        m_player.SetChainSplitter(m_file.GetChainSplitter());
        m_player.SetVideoWindow(&m_window);
        m_bar.SetPlayer(&m_player);
        OpenPage(m_bar, m_host, &m_file, m_view);
        ASSERT_TRUE(m_player.Create()) << m_player.GetErrorText().GetString();
        ASSERT_TRUE(m_player.Pause());
    }
    void TearDown() override
    {
        m_bar.SetPlayer(nullptr);
        m_player.Stop();
        m_player.Release();
        CConversionRoadFixture::TearDown();
    }
    // Moves the play position as the timeline or a skip does and waits for the bar to follow.
    void PlayAt(double seconds)
    {
        m_player.SetPosition(seconds);
        ASSERT_NEAR(seconds, m_player.GetPosition(), 1e-6);
        MvPumpUntilIdle();
    }

    fs::path m_source;
    CMediaFile2 m_file;
    PageHost m_host;
    PageView m_view;
    CFilePlaybackAdministrator2 m_player;
    CSliceEditPanel m_bar{1, nullptr};
};

TEST_F(SliceCutRoadTest, TheMiddleSecondCutOutLeavesTwoPartsOfOneSecond)
{
    using P = CSliceEditPanel;
    ASSERT_EQ(1, m_file.GetSliceCount());
    ASSERT_NEAR(3.0, m_file.GetSliceAt(0)->GetEnd(), 0.01);
    PlayAt(1.0);
    ASSERT_TRUE(m_view.Enabled(P::kSplit));
    m_view.Click(P::kSplit);
    PlayAt(2.0);
    m_view.Click(P::kSplit);
    ASSERT_EQ(3, m_file.GetSliceCount());
    PlayAt(1.5);
    ASSERT_TRUE(m_view.Enabled(P::kRemove));
    m_view.Click(P::kRemove);
    ASSERT_EQ(2, m_file.GetSliceCount());
    EXPECT_EQ(1.0, m_file.GetSliceAt(0)->GetEnd());
    EXPECT_EQ(2.0, m_file.GetSliceAt(1)->GetStart());
    EXPECT_FALSE(m_file.GetSliceAt(0)->GetLinkNext()) << "nothing runs on into the cut";
    EXPECT_NEAR(2.0, m_file.GetConversionDuration(), 0.01);

    // The slice loop names its parts as video files: each part is an AVI of the sound alone.
    CMediaOutput2 output;
    output.SetSplitterType(100);
    output.SetWantsVideo(false);
    output.GetAudioOutput().SetDisplayName("PCM");
    output.GetAudioOutput().GetAudioInfo().SetSampleRate(kRate);
    output.GetAudioOutput().GetAudioInfo().SetChannel(1);
    output.GetAudioOutput().GetAudioInfo().SetBitsPerSample(16);
    CSaveDir2 folder;
    folder.SetFilePath((m_dir / "out").string().c_str());
    folder.SetFileReplace(kFileReplaceReplace);
    CVideoConversionSliceLoop loop;
    CDoneCount watch;
    loop.SetVideoWindow(&m_window);
    loop.AddListener(&watch);
    loop.SetMediaFile(&m_file);
    loop.SetOutput(&output);
    loop.SetSaveDir(&folder);
    ASSERT_TRUE(loop.Start());
    ASSERT_TRUE(MvPumpUntil([&] { return watch.done > 0; }, 60000));
    loop.RemoveListener(&watch);
    loop.Reset();
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());

    const WrittenSound first = ReadWritten(m_dir / "out" / "tone_1.avi");
    const WrittenSound second = ReadWritten(m_dir / "out" / "tone_2.avi");
    // A part ends with the source's packet that holds its end: a few milliseconds at most.
    EXPECT_NEAR(1.0, first.Seconds(), kPacketSlack);
    EXPECT_NEAR(1.0, second.Seconds(), kPacketSlack);
    EXPECT_GE(first.Seconds(), 1.0);
    // The loud middle second is gone: each part holds its own loudness.
    EXPECT_NEAR(2000, first.Peak(0, 1.0), 100);
    EXPECT_NEAR(6000, second.Peak(0, 1.0), 300);
    EXPECT_NEAR(6000, second.Peak(0, 0.05), 300) << "the second part starts where the cut ends";
    EXPECT_FALSE(fs::exists(m_dir / "out" / "tone_3.avi"));
}

TEST_F(SliceCutRoadTest, TheBarEnablesWhatThePlayPositionAllows)
{
    using P = CSliceEditPanel;
    for (int id : {int(P::kPlay), int(P::kPause), int(P::kStop), int(P::kStepBackward), int(P::kStepForward),
                   int(P::kSkipBackward), int(P::kSkipForward), int(P::kTrimLeft), int(P::kTrimRight),
                   int(P::kCaptureFrame)})
        EXPECT_TRUE(m_view.Enabled(id)) << id;
    m_file.AddSliceAtTime(1.0, 3.0);
    m_file.AddSliceAtTime(2.0, 3.0);
    m_file.RemoveSliceAtTime(1.5);
    struct Case {
        double at;
        bool onClip, between, onBoundary;
    } cases[] = {{0.5, true, false, false}, {1.5, false, true, false}, {2.0, true, false, true}, {1.0, true, false, true}};
    for (const Case& c : cases) {
        PlayAt(c.at);
        EXPECT_EQ(c.onClip, m_view.Enabled(P::kSplit)) << c.at;
        EXPECT_EQ(c.onClip, m_view.Enabled(P::kRemove)) << c.at;
        EXPECT_EQ(c.between, m_view.Enabled(P::kAdd)) << c.at;
        EXPECT_EQ(c.onBoundary, m_view.Enabled(P::kMoveBackward)) << c.at;
        EXPECT_EQ(c.onBoundary, m_view.Enabled(P::kMoveForward)) << c.at;
    }

    // On a slice's start, a move backward steps one frame and takes the start along.
    PlayAt(2.0);
    m_view.Click(P::kMoveBackward);
    const double stepped = m_player.GetPosition();
    EXPECT_LT(stepped, 2.0);
    EXPECT_EQ(stepped, m_file.GetSliceAt(1)->GetStart());
    // Inside a slice the move buttons are off; the move itself only steps.
    PlayAt(2.5);
    EXPECT_FALSE(m_view.Enabled(P::kMoveForward));
    m_bar.GetSliceController().ActionMoveForward(&m_player);
    EXPECT_GT(m_player.GetPosition(), 2.5);
    EXPECT_EQ(stepped, m_file.GetSliceAt(1)->GetStart());
    EXPECT_NEAR(3.0, m_file.GetSliceAt(1)->GetEnd(), 0.01);

    // Skips go from boundary to boundary, past the last to the end of the file.
    PlayAt(0.5);
    m_view.Click(P::kSkipForward);
    EXPECT_EQ(1.0, m_player.GetPosition());
    m_view.Click(P::kSkipForward);
    EXPECT_EQ(stepped, m_player.GetPosition());
    m_view.Click(P::kSkipBackward);
    EXPECT_EQ(1.0, m_player.GetPosition());

    // Released, the player leaves every button off.
    m_player.Release();
    MvPumpUntilIdle();
    EXPECT_FALSE(m_view.Enabled(P::kPlay));
    EXPECT_FALSE(m_view.Enabled(P::kAdd));
}

TEST_F(SliceCutRoadTest, AMoveIntoTheSliceBeforeCutsThatSliceShortInsteadOfOverlappingIt)
{
    using P = CSliceEditPanel;
    m_file.AddSliceAtTime(1.0, 3.0);
    ASSERT_EQ(2, m_file.GetSliceCount());
    CSliceDuration2* first = m_file.GetSliceAt(0);
    CSliceDuration2* second = m_file.GetSliceAt(1);
    PlayAt(1.0);
    m_view.Click(P::kMoveBackward);
    EXPECT_LT(second->GetStart(), 1.0);
    EXPECT_EQ(second->GetStart(), first->GetEnd());
    PlayAt(second->GetStart());
    m_view.Click(P::kMoveForward);
    EXPECT_EQ(second->GetStart(), first->GetEnd()) << "a linked end follows a start moved forward too";
    EXPECT_NEAR(1.0, second->GetStart(), 0.01);
}

TEST_F(SliceCutRoadTest, TheTimelineFollowsThePlayerAndAClickMovesIt)
{
    m_file.AddSliceAtTime(1.0, 3.0);
    CMediaSlicesTimelineWindow timeline;
    ASSERT_TRUE(timeline.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 308, 60), &m_host, 9));
    timeline.Initialize();
    timeline.SetObject(&m_file);
    timeline.SetPlayer(&m_player);
    EXPECT_DOUBLE_EQ(100.0, timeline.GetPixelPerSecond());
    PlayAt(2.5);
    EXPECT_DOUBLE_EQ(2.5, timeline.GetTime());
    EXPECT_EQ(m_file.GetSliceAt(1), timeline.GetSliceSelection());
    CtlUserClick(timeline.m_hWnd, POINT{4 + 50, 30});
    EXPECT_NEAR(0.5, m_player.GetPosition(), 1e-6);
    EXPECT_EQ(m_file.GetSliceAt(0), timeline.GetSliceSelection());
    EXPECT_TRUE(m_player.IsPaused());
    timeline.SetPlayer(nullptr);
    timeline.SetSliceSelection(nullptr);
    timeline.Deinitialize();
    timeline.DestroyWindow();
}

} // namespace
