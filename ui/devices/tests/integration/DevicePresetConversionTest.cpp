// A file converted for a device as the device converter's user chooses it: the device, its
// bitrate ceilings and the output name on the pages, the built-in preset and the device's
// settings deciding the output, the engine's conversion administrator writing it. The written
// file is opened and decoded with FFmpeg and held against the preset's and device's limits.
#include "CConversionMediaPanel.h"
#include "CDeviceProfilePanel.h"
#include "CDeviceQualityPanel.h"
#include "CFormatDecision.h"
#include "CMediaConversionAdministrator2.h"
#include "CMediaConversionData.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CQuorlanDeviceTypePanel.h"
#include "CQuorlanFormatDecision.h"
#include "CSaveFile2.h"
#include "CTargetDecisions.h"
#include "ConversionRoadFixture.h"
#include "ConversionTestSupport.h"
#include "OutputPageSupport.h"
#include "CDirectShowSystem2.h"
#include "CVideoCodecsInfo.h"
#include "StQtCodecs.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"
#include "UTargetPresets.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstdlib>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

// What a decided conversion's sound may take at most.
constexpr double kAudioCeiling = 160000;

// What FFmpeg reads of a written file: every packet counted, the first video frame decoded.
struct SWrittenFile {
    int width = 0, height = 0;         // of the decoded picture
    long videoFrames = 0;
    double videoSeconds = 0, audioSeconds = 0;
    double videoBitrate = 0, audioBitrate = 0; // from the packets' sizes over their time
    int sampleRate = 0, channels = 0;
};

bool ReadWrittenFile(const fs::path& path, SWrittenFile& out)
{
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return false;
    std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> closer(&format, avformat_close_input);
    if (avformat_find_stream_info(format, nullptr) < 0) return false;
    const int video = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int audio = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (video < 0 || audio < 0) return false;
    const AVCodecParameters* sound = format->streams[audio]->codecpar;
    out.sampleRate = sound->sample_rate;
    out.channels = sound->ch_layout.nb_channels;

    const AVStream* picture = format->streams[video];
    const AVCodec* codec = avcodec_find_decoder(picture->codecpar->codec_id);
    if (!codec) return false;
    AVCodecContext* context = avcodec_alloc_context3(codec);
    std::unique_ptr<AVCodecContext*, void (*)(AVCodecContext**)> freer(&context, avcodec_free_context);
    avcodec_parameters_to_context(context, picture->codecpar);
    if (avcodec_open2(context, codec, nullptr) < 0) return false;

    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    int64_t videoBytes = 0, audioBytes = 0, audioDuration = 0, videoDuration = 0;
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == video) {
            ++out.videoFrames;
            videoBytes += packet->size;
            videoDuration += packet->duration;
            if (out.width == 0 && avcodec_send_packet(context, packet) == 0 &&
                avcodec_receive_frame(context, frame) == 0) {
                out.width = frame->width;
                out.height = frame->height;
            }
        } else if (packet->stream_index == audio) {
            audioBytes += packet->size;
            audioDuration += packet->duration;
        }
        av_packet_unref(packet);
    }
    if (out.width == 0) {
        // A decoder with delay gives its first picture only when drained.
        avcodec_send_packet(context, nullptr);
        if (avcodec_receive_frame(context, frame) == 0) {
            out.width = frame->width;
            out.height = frame->height;
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    out.videoSeconds = double(videoDuration) * av_q2d(picture->time_base);
    out.audioSeconds = double(audioDuration) * av_q2d(format->streams[audio]->time_base);
    if (out.videoSeconds > 0) out.videoBitrate = double(videoBytes) * 8 / out.videoSeconds;
    if (out.audioSeconds > 0) out.audioBitrate = double(audioBytes) * 8 / out.audioSeconds;
    return out.width > 0;
}

class DevicePresetConversionTest : public CConversionRoadFixture {
protected:
    void SetUp() override
    {
        CConversionRoadFixture::SetUp();
        ASSERT_TRUE(host.Make());
        UTargetPresets::Add(catalogue, UTargetPresets::kIPod);
        catalogue.EnsurePlatforms();
        // QuickTime's MPEG-4 encoders in the catalogues, as the engine puts them there.
        if (!CVideoCodecsInfo::sInfo) m_videoCodecs = std::make_unique<CVideoCodecsInfo>(true);
        const StQtCodecs* mp4 = m_loader.GetSplitterCodecs(640);
        ASSERT_NE(mp4, nullptr);
        CDirectShowSystem2::AddThirdPartyCodecs(*mp4, 640);
    }

    // Larger and faster than the device takes: 800 x 600 at 50 frames a second, 48 kHz sound.
    fs::path MakeClip()
    {
        const fs::path clip = m_dir / "holiday.mkv";
        const std::string command =
            "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=800x600:rate=50:duration=2 -f lavfi -i "
            "sine=frequency=440:sample_rate=48000:duration=2 -ac 2 -c:v mpeg4 -q:v 3 -c:a pcm_s16le '" +
            clip.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return clip;
    }

    bool Convert(CMediaConversionData& job)
    {
        CMediaConversionAdministrator2 admin;
        admin.SetVideoWindow(&m_window);
        admin.SetMediaFile(job.GetInput());
        admin.SetMediaOutput(job.GetMediaOutput());
        CSaveFile2 save;
        save.SetFilePath(job.GetInput().GetOutputFile().GetFilePath());
        save.SetFileReplace(kFileReplaceReplace);
        admin.SetSaveFile(save);
        CEndWatcher ends;
        admin.AddListener(&ends);
        const bool started = admin.Create() && admin.Play();
        EXPECT_TRUE(started) << admin.GetErrorText();
        if (started) {
            EXPECT_TRUE(MvPumpUntil([&] { return ends.Ends() > 0; }, 120000));
        }
        admin.RemoveListener(&ends);
        if (!started || ends.Ends() == 0) return false;
        EXPECT_TRUE(ends.errors.back().IsEmpty()) << ends.errors.back();
        return ends.errors.back().IsEmpty();
    }

    StQuickTime m_quickTime;
    StQuickTimeLoader m_loader;
    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
    CTargetDecisions catalogue;
    PageHost host;
};

} // namespace

TEST_F(DevicePresetConversionTest, AFileConvertedForTheChosenDeviceMeetsItsPresetsLimits)
{
    ASSERT_TRUE(m_quickTime.IsStarted());
    CQuorlanData data;
    CQuorlanFormatDecision decision;
    decision.SetData(&data);

    // The device and its ceilings, chosen on the pages.
    CQuorlanDeviceTypePanel deviceType(1, nullptr);
    CDeviceProfilePanel profile(1, nullptr);
    CDeviceQualityPanel quality(1, nullptr);
    ASSERT_TRUE(profile.CreateInWindow(&host));
    ASSERT_TRUE(quality.CreateInWindow(&host));
    deviceType.SetPanels(&profile, &quality, nullptr, nullptr, nullptr);
    PageView view;
    OpenPage(deviceType, host, &data, view);
    view.Pick(CQuorlanDeviceTypePanel::kDeviceType, "iPod");
    CPortableMediaConversion* device = data.FindDevice("iPod");
    ASSERT_NE(device, nullptr);
    CTargetConversion* preset = catalogue.FindTarget("iPod", device->GetVideoTarget(), kMediaTypeVideo);
    ASSERT_NE(preset, nullptr);
    view.SetPage(profile.m_hWnd);
    EXPECT_EQ(view.Selected(CDeviceProfilePanel::kVideo), std::string(preset->GetName()));
    view.SetPage(quality.m_hWnd);
    view.TypeIntoComboAndCommit(CDeviceQualityPanel::kVideoBitrate, "2048");
    ASSERT_EQ(device->GetDevice().GetVideoMaxBitrate(), 2048000u);
    // Below the 128 kbit/s QuickTime's AAC writes when told no rate, and below its least stereo
    // rate at 48 kHz: only a decided and honoured rate keeps the sound under it.
    view.TypeIntoComboAndCommit(CDeviceQualityPanel::kAudioBitrate, "96");
    const ULONG audioLimit = device->GetDevice().GetAudioMaxBitrate();
    ASSERT_EQ(audioLimit, 96000u);

    // The file joins the conversion list and is decided at once.
    auto* job = new CMediaConversionData;
    ASSERT_TRUE(Probe(MakeClip(), job->GetInput()));
    data.GetConversionList().AddFile(job);
    CMediaOutput2& output = job->GetMediaOutput();
    // The preset asks for a quality: its own bitrate stays the ceiling of the picture.
    EXPECT_LE(output.GetVideoOutput(0)->GetBitrate(), preset->GetMaxBitrate());
    EXPECT_LE(output.GetAudioOutput(0)->GetBitrate(), kAudioCeiling);
    const ULONG audioBitrate = output.GetAudioOutput(0)->GetBitrate();
    EXPECT_GT(audioBitrate, 0u) << "the preset's audio codec is known to the catalogue";
    EXPECT_LE(audioBitrate, audioLimit);
    EXPECT_EQ(output.GetSplitterType(), preset->GetSplitterType());
    EXPECT_TRUE(output.GetWantsVideo());
    EXPECT_TRUE(output.GetWantsAudio());

    // The output is named on the conversion page; the file goes where the test says.
    CConversionMediaPanel media(1, nullptr);
    media.SetFormatDecision(&decision);
    OpenPage(media, host, job, view);
    EXPECT_EQ(view.Selected(CConversionMediaPanel::kType), "Video");
    job->GetInput().GetOutputFile().SetFilePath((m_dir / "out" / "placeholder.mp4").string().c_str());
    view.TypeAndCommit(CConversionMediaPanel::kFileName, "holiday.mp4");
    const fs::path written = m_dir / "out" / "holiday.mp4";
    ASSERT_EQ(std::string(job->GetInput().GetOutputFile().GetFilePath()), written.string());

    ASSERT_TRUE(Convert(*job));
    SWrittenFile file;
    ASSERT_TRUE(ReadWrittenFile(written, file)) << written;

    const CVideoInfo2& most = preset->GetVideoOutput(0)->GetVideoInfo();
    const CVideoInfo2& least = preset->GetMinVideoOutput().GetVideoInfo();
    EXPECT_LE(file.width, most.GetWidth());
    EXPECT_LE(file.height, most.GetHeight());
    EXPECT_GE(file.width, least.GetWidth());
    EXPECT_GE(file.height, least.GetHeight());
    EXPECT_LE(ULONG(file.width) * ULONG(file.height), preset->GetMaxVideoPixels());
    EXPECT_NEAR(double(file.width) / file.height, 4.0 / 3.0, 0.02) << "the picture keeps its shape";

    ASSERT_GT(file.videoSeconds, 1.5);
    const double rate = file.videoFrames / file.videoSeconds;
    EXPECT_LE(rate, most.GetFrameRate() + 0.5);
    EXPECT_GE(rate, least.GetFrameRate());
    EXPECT_NEAR(rate, 30, 1) << "50 frames a second come down to the preset's 30";

    // Encoders may miss a rate by a little over two seconds.
    EXPECT_LE(file.videoBitrate, preset->GetMaxBitrate());
    EXPECT_LE(file.audioBitrate, kAudioCeiling * 1.1);
    EXPECT_LE(file.audioBitrate, audioLimit * 1.1);
    EXPECT_NEAR(file.audioBitrate, audioBitrate, audioBitrate * 0.1) << "the writer takes the decided rate";
    EXPECT_LE(file.videoBitrate + file.audioBitrate, preset->GetMaxBitrate());
    EXPECT_GE(file.sampleRate, int(preset->GetMinAudioOutput().GetAudioInfo().GetSampleRate()));
    EXPECT_LE(file.sampleRate, int(preset->GetAudioOutput(0)->GetAudioInfo().GetSampleRate()));
    EXPECT_EQ(file.channels, 2);
}

TEST_F(DevicePresetConversionTest, AQualityDrivenPresetIsWrittenUnderItsCeiling)
{
    ASSERT_TRUE(m_quickTime.IsStarted());
    UTargetPresets::Add(catalogue, UTargetPresets::kArchos);
    catalogue.EnsurePlatforms();
    CTargetConversion* preset = catalogue.FindTarget("Archos", kMediaTypeVideo);
    ASSERT_NE(preset, nullptr);
    // The preset names a quality, and a bitrate above the 800 kbit/s the device takes.
    ASSERT_EQ(preset->GetVideoOutput(0)->GetEncoderControl(), 1);
    ASSERT_GT(preset->GetVideoOutput(0)->GetBitrate(), preset->GetMaxBitrate());
    CFormatDecision decision;
    decision.SetPlatform("Archos");
    CMediaConversionData job;
    ASSERT_TRUE(Probe(MakeClip(), job.GetInput()));
    CMediaOutput2& output = job.GetMediaOutput();
    decision.SetFormat(&job.GetInput(), &output, true);
    const ULONG ceiling = preset->GetMaxBitrate();
    EXPECT_LE(output.GetVideoOutput(0)->GetBitrate() + output.GetAudioOutput(0)->GetBitrate(), ceiling);

    const fs::path written = m_dir / "out" / "archos.mp4";
    job.GetInput().GetOutputFile().SetFilePath(written.string().c_str());
    ASSERT_TRUE(Convert(job));
    SWrittenFile file;
    ASSERT_TRUE(ReadWrittenFile(written, file)) << written;
    // Encoders may miss a rate by a little over two seconds.
    EXPECT_LE(file.videoBitrate + file.audioBitrate, ceiling * 1.05)
        << file.videoBitrate << " + " << file.audioBitrate;
}
