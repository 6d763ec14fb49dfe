// Recordings from the test camera and microphone through the recording administrators, as
// the recording tasks drive them, with the preview running; each file is then read back.
#include "CAudioCaptureFilter.h"
#include "CAudioIndicatorBridge.h"
#include "CAudioRecordingAdministrator2.h"
#include "CCamRecordingAdministrator2.h"
#include "CDirectShowGraph.h"
#include "CVideoCaptureBridge.h"
#include "CVideoCaptureInputFilters2.h"
#include "CFileOutputFilters2.h"
#include "COstrelRecordingAdministrator2.h"
#include "CVideoRecorder3d2.h"
#include "../../../../engine/tests/EngineTestDecode.h"
#include "RecordingRoadFixture.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"

#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class RecordingAdministratorRoadTest : public CRecordingRoadFixture {
protected:
    static CVideoRecorder2 Camera(unsigned short width, unsigned short height)
    {
        CVideoRecorder2 recorder;
        recorder.GetVideoSource().SetName(kVideoDevice);
        recorder.SetSize(width, height);
        recorder.SetCaptureAudio(true);
        recorder.GetAudioSource().SetName(kAudioDevice);
        return recorder;
    }

    // A camera recording that ends by itself after `seconds`; the error text of its end.
    CString RecordFor(CCamRecordingAdministrator2& admin, double seconds)
    {
        CRecordingEnds ends;
        admin.AddListener(&ends);
        admin.SetVideoWindow(&m_window);
        const bool started = admin.Create() && admin.SetStop(seconds) && admin.Play();
        EXPECT_TRUE(started) << admin.GetErrorText();
        if (started) {
            EXPECT_TRUE(MvPumpUntil([&] { return ends.Ends() > 0; }, 60000));
        }
        admin.RemoveListener(&ends);
        CString error = started ? (ends.Ends() ? ends.errors.back() : CString("no end")) : admin.GetErrorText();
        admin.Release();
        return error;
    }

    // The file decoded with FFmpeg's libraries: its pictures of that size, as many as the rate
    // gives for the time, and its sound.
    static void ExpectRecorded(const fs::path& file, const char* codec, int width, int height, double rate,
                               double seconds, const char* audioCodec)
    {
        SDecodedMedia media;
        ASSERT_TRUE(DecodeMedia(file, rate, media)) << file;
        EXPECT_EQ(media.videoCodec, codec) << file;
        EXPECT_EQ(media.width, width) << file;
        EXPECT_EQ(media.height, height) << file;
        EXPECT_NEAR(media.duration, seconds, 0.2) << file;
        EXPECT_NEAR(media.frames, seconds * rate, 0.2 * rate) << file;
        // "30/1" in AVI; frames over duration in MP4, so a frame either way.
        const std::string average = ProbedValue(ProbeMedia(file, "v"), "avg_frame_rate");
        const size_t slash = average.find('/');
        ASSERT_NE(slash, std::string::npos) << file;
        EXPECT_NEAR(std::atof(average.c_str()) / std::atof(average.c_str() + slash + 1), rate, rate / seconds) << file;
        EXPECT_EQ(media.audioCodec, audioCodec) << file;
        EXPECT_EQ(media.sampleRate, 44100) << file;
    }

    // The two-camera administrator previewing the left camera with its microphone, 320 by 240
    // at 25 a second, into the window, saving to `name`; the fixture keeps what it holds.
    void SetUpOneCameraPreview(COstrelRecordingAdministrator2& admin, const char* name)
    {
        m_output = VideoOutput(100, 320, 240, 25);
        admin.SetMediaOutput(m_output);
        m_save = SaveTo(m_dir / name);
        admin.SetSaveFile(m_save);
        m_cameras.GetVideoSource().SetName(kVideoDevice);
        m_cameras.SetLeftOn(true);
        m_cameras.SetSize(320, 240);
        m_cameras.SetFrameRate(25);
        m_cameras.SetCaptureAudio(true);
        m_cameras.GetAudioSource().SetName(kAudioDevice);
        admin.SetVideoSource(&m_cameras);
        admin.SetVideoWindow(&m_window);
    }

    CMediaOutput2 m_output;
    CSaveFile2 m_save;
    CVideoRecorder3d2 m_cameras;
};

} // namespace

TEST_F(RecordingAdministratorRoadTest, ACameraRecordsFiveSecondsToAviWhilePreviewing)
{
    const fs::path file = m_dir / "camera.avi";
    CCamRecordingAdministrator2 admin;
    CMediaOutput2 output = VideoOutput(100, 640, 480, 30);
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(file);
    admin.SetSaveFile(save);
    CVideoRecorder2 camera = Camera(640, 480);
    admin.SetVideoSource(camera);
    EXPECT_STREQ(RecordFor(admin, 5.0), "");
    ExpectRecorded(file, "mpeg4", 640, 480, 30, 5.0, "mp3");
}

TEST_F(RecordingAdministratorRoadTest, ACameraRecordsFiveSecondsToMp4WhilePreviewing)
{
    StQuickTime quickTime;
    StQuickTimeLoader loader;
    ASSERT_TRUE(quickTime.IsStarted());
    const fs::path file = m_dir / "camera.mp4";
    CCamRecordingAdministrator2 admin;
    // The exporter chooses its own encoders.
    CMediaOutput2 output = VideoOutput(640, 640, 480, 30);
    output.GetVideoOutput().SetDisplayName("");
    output.GetAudioOutput().SetDisplayName("");
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(file);
    admin.SetSaveFile(save);
    CVideoRecorder2 camera = Camera(640, 480);
    admin.SetVideoSource(camera);
    EXPECT_STREQ(RecordFor(admin, 5.0), "");
    // The MP4 exporter writes H.264 where an encoder for it is installed, and AAC sound.
    const char* codec = avcodec_find_encoder_by_name("libx264") ? "h264" : "mpeg4";
    ExpectRecorded(file, codec, 640, 480, 30, 5.0, "aac");
}

TEST_F(RecordingAdministratorRoadTest, UnpluggingTheDevicesEndsTheRecordingAndKeepsWhatWasRecorded)
{
    const fs::path file = m_dir / "unplugged.avi";
    CCamRecordingAdministrator2 admin;
    CMediaOutput2 output = VideoOutput(100, 320, 240, 15);
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(file);
    admin.SetSaveFile(save);
    CVideoRecorder2 camera = Camera(320, 240);
    admin.SetVideoSource(camera);
    CRecordingEnds ends;
    admin.AddListener(&ends);
    admin.SetVideoWindow(&m_window);
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();
    auto* set = static_cast<CFileOutputFilters2*>(admin.GetProcessingOutputFilters());
    double written = 0;
    ASSERT_TRUE(MvPumpUntil([&] { return set->GetPosition(written) && written >= 2.0; }, 60000));
    MvPlugTestCaptureDevices(false);
    ASSERT_TRUE(MvPumpUntil([&] { return ends.Ends() > 0; }, 60000));
    EXPECT_STREQ(ends.errors.back(), CDirectShowAdministrator2::kErrorAbortText);
    admin.RemoveListener(&ends);
    admin.Release();
    const auto video = ProbeMedia(file, "v");
    EXPECT_EQ(ProbedValue(video, "width"), "320");
    EXPECT_GE(std::atof(ProbedValue(video, "duration").c_str()), 2.0);
}

TEST_F(RecordingAdministratorRoadTest, ACameraThatRefusesItsFormatIsNotRecorded)
{
    MvSetTestCameraFault(kMvTestCameraRefusesFormats);
    const fs::path file = m_dir / "refused.avi";
    CCamRecordingAdministrator2 admin;
    CMediaOutput2 output = VideoOutput(100, 320, 240, 15);
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(file);
    admin.SetSaveFile(save);
    CVideoRecorder2 camera = Camera(320, 240);
    admin.SetVideoSource(camera);
    EXPECT_FALSE(admin.Create());
    EXPECT_STREQ(admin.GetErrorText(), "Unable to load video device.");
    EXPECT_EQ(admin.GetGraph(), nullptr);
    EXPECT_FALSE(fs::exists(file));
    MvSetTestCameraFault(kMvTestCameraWorks);
}

TEST_F(RecordingAdministratorRoadTest, PicturesOfTheWrongSizeEndTheRecordingAndKeepWhatWasRecorded)
{
    const fs::path file = m_dir / "short.avi";
    CCamRecordingAdministrator2 admin;
    CMediaOutput2 output = VideoOutput(100, 320, 240, 15);
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(file);
    admin.SetSaveFile(save);
    CVideoRecorder2 camera = Camera(320, 240);
    admin.SetVideoSource(camera);
    CRecordingEnds ends;
    admin.AddListener(&ends);
    admin.SetVideoWindow(&m_window);
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();
    auto* set = static_cast<CFileOutputFilters2*>(admin.GetProcessingOutputFilters());
    double written = 0;
    ASSERT_TRUE(MvPumpUntil([&] { return set->GetPosition(written) && written >= 2.0; }, 60000));
    MvSetTestCameraFault(kMvTestCameraShortPictures);
    const bool ended = MvPumpUntil([&] { return ends.Ends() > 0; }, 60000);
    MvSetTestCameraFault(kMvTestCameraWorks);
    ASSERT_TRUE(ended);
    EXPECT_STREQ(ends.errors.back(), CDirectShowAdministrator2::kErrorAbortText);
    admin.RemoveListener(&ends);
    admin.Release();
    SDecodedMedia media;
    ASSERT_TRUE(DecodeMedia(file, 15, media));
    EXPECT_EQ(media.width, 320);
    EXPECT_GE(media.duration, 2.0);
}

TEST_F(RecordingAdministratorRoadTest, ThePreviewSwitchesToRecordingAndBack)
{
    const fs::path file = m_dir / "preview.avi";
    COstrelRecordingAdministrator2 admin;
    SetUpOneCameraPreview(admin, "preview.avi");

    // Previewing writes nothing.
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();
    EXPECT_FALSE(admin.IsRecording());
    EXPECT_FALSE(fs::exists(file));

    ASSERT_TRUE(admin.StartRecording()) << admin.GetErrorText();
    EXPECT_TRUE(admin.IsRecording());
    // Asked again, it leaves the running recording alone.
    const CDirectShowGraph* graph = admin.GetGraph();
    EXPECT_FALSE(admin.StartRecording());
    EXPECT_EQ(admin.GetGraph(), graph);
    EXPECT_TRUE(admin.IsPlaying());
    auto* set = static_cast<CFileOutputFilters2*>(admin.GetProcessingOutputFilters());
    double written = 0;
    ASSERT_TRUE(MvPumpUntil([&] { return set->GetPosition(written) && written >= 5.0; }, 60000));
    ASSERT_TRUE(admin.StopRecording()) << admin.GetErrorText();
    EXPECT_FALSE(admin.IsRecording());
    EXPECT_TRUE(admin.IsPlaying());
    admin.Release();
    ExpectRecorded(file, "mpeg4", 320, 240, 25, 5.0, "mp3");
}

namespace {

// The graph's state at each state change it announces.
class CGraphStates : public CListener {
public:
    explicit CGraphStates(CDirectShowGraph* graph) : m_graph(graph) { graph->AddListener(this); }
    ~CGraphStates() override { m_graph->RemoveListener(this); }
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowGraph::kGraphStateMessage)
            states.push_back(m_graph->IsPaused() ? "paused" : m_graph->IsStopped() ? "stopped" : "running");
        return CListener::ListenToMessage(message, p, q);
    }
    std::vector<std::string> states;

private:
    CDirectShowGraph* m_graph;
};

} // namespace

TEST_F(RecordingAdministratorRoadTest, StoppingThePreviewPausesItFirstButARecordingStopsStraightAway)
{
    COstrelRecordingAdministrator2 admin;
    SetUpOneCameraPreview(admin, "stopped.avi");

    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();
    {
        CGraphStates seen(admin.GetGraph());
        EXPECT_TRUE(admin.Stop());
        EXPECT_EQ((std::vector<std::string>{"paused", "stopped"}), seen.states);
    }
    EXPECT_TRUE(admin.IsStopped());

    ASSERT_TRUE(admin.Play()) << admin.GetErrorText();
    ASSERT_TRUE(admin.StartRecording()) << admin.GetErrorText();
    {
        CGraphStates seen(admin.GetGraph());
        EXPECT_TRUE(admin.Stop());
        EXPECT_EQ((std::vector<std::string>{"stopped"}), seen.states);
    }
    admin.Release();
}

TEST_F(RecordingAdministratorRoadTest, TheRecordersVolumeReachesTheCaptureDeviceAndStaysForTheNextGraph)
{
    COstrelRecordingAdministrator2 admin;
    SetUpOneCameraPreview(admin, "volume.avi");
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();

    const auto capture = [&] {
        auto* input = dynamic_cast<CVideoCaptureInputFilters2*>(admin.GetInputFilters());
        return input ? input->GetAudioCapture() : nullptr;
    };
    CAudioSource2& source = m_cameras.GetAudioSource();
    struct Case {
        bool autoVolume;
        unsigned char volume;
        bool applied;
        unsigned char shown;
    } cases[] = {
        {false, 70, true, 70},
        {true, 20, false, 20},  // automatic gain: the level is kept but not applied
        {false, 150, true, 100}, // above the scale: the top of it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.volume));
        // The page changes the recorder's source; the administrator passes the source on and
        // leaves the record as it is, whatever the notice carried.
        source.SetAutoVolume(c.autoVolume);
        source.SetVolume(c.volume);
        admin.SetVolume(!c.autoVolume, 1);
        ASSERT_NE(capture(), nullptr);
        EXPECT_EQ(c.applied, capture()->GetApplyVolume());
        EXPECT_EQ(c.shown, capture()->GetVolume());
        EXPECT_EQ(c.autoVolume, source.GetAutoVolume());
        EXPECT_EQ(c.shown, source.GetVolume());
    }

    // The graph built for the next switch records at the level last set.
    source.SetAutoVolume(false);
    source.SetVolume(35);
    admin.SetVolume(false, 35);
    ASSERT_TRUE(admin.StartRecording()) << admin.GetErrorText();
    ASSERT_NE(capture(), nullptr);
    EXPECT_TRUE(capture()->GetApplyVolume());
    EXPECT_EQ(35, capture()->GetVolume());
    admin.Release();
}

TEST_F(RecordingAdministratorRoadTest, AMicrophoneRecordsToWaveWithItsLevelShown)
{
    const fs::path file = m_dir / "voice.wav";
    CAudioRecordingAdministrator2 admin;
    CMediaOutput2 output;
    output.SetSplitterType(500);
    output.SetWantsVideo(false);
    output.GetAudioOutput().GetAudioInfo().SetSampleRate(44100);
    output.GetAudioOutput().GetAudioInfo().SetChannel(2);
    output.GetAudioOutput().GetAudioInfo().SetBitsPerSample(16);
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(file);
    admin.SetSaveFile(save);
    CAudioSource2 microphone;
    microphone.SetName(kAudioDevice);
    admin.SetAudioSource(microphone);
    CRecordingEnds ends;
    admin.AddListener(&ends);
    admin.SetVideoWindow(&m_window);
    ASSERT_TRUE(admin.Create() && admin.SetStop(2.0) && admin.Play()) << admin.GetErrorText();
    // The level picture goes to the screen; the sound through the tee to the file.
    EXPECT_NE(dynamic_cast<CAudioIndicatorBridge*>(admin.GetBridgeFilters()), nullptr);
    EXPECT_NE(admin.GetRenderOutputFilters(), nullptr);
    ASSERT_TRUE(MvPumpUntil([&] { return ends.Ends() > 0; }, 60000));
    EXPECT_STREQ(ends.errors.back(), "");
    admin.RemoveListener(&ends);
    admin.Release();
    const auto audio = ProbeMedia(file, "a");
    EXPECT_EQ(ProbedValue(audio, "codec_name"), "pcm_s16le");
    EXPECT_EQ(ProbedValue(audio, "sample_rate"), "44100");
    EXPECT_NEAR(std::atof(ProbedValue(audio, "duration").c_str()), 2.0, 0.05);
}

TEST_F(RecordingAdministratorRoadTest, ASourceTheSoundCardsDoNotListIsTakenForACamcorder)
{
    CAudioRecordingAdministrator2 admin;
    CMediaOutput2 output;
    output.SetSplitterType(500);
    output.SetWantsVideo(false);
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(m_dir / "camcorder.wav");
    admin.SetSaveFile(save);
    CAudioSource2 camcorder;
    camcorder.SetName("Camcorder");
    admin.SetAudioSource(camcorder);
    // No DV device exists here, so the camcorder cannot be loaded.
    EXPECT_FALSE(admin.Create());
    EXPECT_STREQ(admin.GetErrorText(), "Unable to load camcorder.");
}

TEST_F(RecordingAdministratorRoadTest, ARecordingThatCannotStartFallsBackToThePreview)
{
    // A file the output may not replace ends the recording's connection.
    const fs::path file = m_dir / "kept.avi";
    std::ofstream(file) << "earlier recording";
    COstrelRecordingAdministrator2 admin;
    CMediaOutput2 output = VideoOutput(100, 320, 240, 15);
    admin.SetMediaOutput(output);
    CSaveFile2 save = SaveTo(file);
    save.SetFileReplace(EFileReplace(9));
    admin.SetSaveFile(save);
    CVideoRecorder3d2 cameras;
    cameras.GetVideoSource().SetName(kVideoDevice);
    cameras.SetLeftOn(true);
    cameras.SetSize(320, 240);
    admin.SetVideoSource(&cameras);
    admin.SetVideoWindow(&m_window);
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();
    // One camera: the plain capture bridge, which an anaglyph change leaves alone.
    EXPECT_NE(dynamic_cast<CVideoCaptureBridge*>(admin.GetBridgeFilters()), nullptr);
    cameras.Get3dInfo().SetAnaglyphColor(1);
    EXPECT_FALSE(admin.StartRecording());
    EXPECT_FALSE(admin.GetErrorText().IsEmpty());
    EXPECT_FALSE(admin.IsRecording());
    EXPECT_TRUE(admin.IsPlaying());
    EXPECT_FALSE(admin.GetStatusTimer().IsActive());
    admin.Release();
    std::ifstream kept(file);
    std::string first;
    std::getline(kept, first);
    EXPECT_EQ(first, "earlier recording");
}

TEST_F(RecordingAdministratorRoadTest, AnAdministratorOutlivingItsRecorderForgetsIt)
{
    COstrelRecordingAdministrator2 admin;
    {
        CVideoRecorder3d2 cameras;
        admin.SetVideoSource(&cameras);
        EXPECT_EQ(admin.Get3dInfo(), &cameras.Get3dInfo());
    }
    EXPECT_EQ(admin.GetVideoSource(), nullptr);
    EXPECT_EQ(admin.Get3dInfo(), nullptr);
    EXPECT_FALSE(admin.CreateInputFilters()) << "nothing left to record from";
}
