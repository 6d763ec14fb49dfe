#pragma once
// The road of every conversion job through the engine's administrators, driven the way the
// conversion administrator of the user interface drives them: probe, configure the output
// set in full, create, play, wait for the end.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CDirectShowGraph.h"
#include "CDirectShowWindow.h"
#include "CFileCheckAdministrator2.h"
#include "CFileInputFilters2.h"
#include "CFileOutputFilters2.h"
#include "CFormatTypes.h"
#include "CListener.h"
#include "CMediaTags.h"
#include "EngineTestMedia.h"
#include "StDirectShow.h"
#include "UMediaFileInfo.h"
#include "dshow/AudioEncoderFilter.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

// What the probe found, handed to the conversion as the user interface would.
struct SProbedFile {
    fs::path path;
    GUID inputId = GUID_NULL;
    GUID splitters[4] = {};
    bool chainSplitter = false;
    double duration = 0;
    unsigned long sampleRate = 0;
    unsigned short channels = 0, bits = 0;
    GUID audioSubtype = GUID_NULL; // PCM, or the coded form a decoder takes
    // A first video stream, when the file has one.
    bool video = false;
    unsigned short width = 0, height = 0;
    double frameRate = 0;
};

struct SOutput {
    ESplitterType type = 500;
    const char* codec = "";
    fs::path path;
    bool autoNaming = false;
    EFileReplace option = kFileReplaceReplace;
    short wmVersion = 8;
    const char* wmProfile = "";
    // The video codec's display name; the video goes out when the probed file has it.
    const char* videoCodec = "";
    // The sound written: rate, channels, bits; a bitrate below 0 lets a named codec take 128 kbit/s.
    unsigned long sampleRate = 44100;
    unsigned short channels = 2, bits = 16;
    long audioBitrate = -1;
    // The picture written: a size or rate of 0 keeps the input's.
    unsigned short width = 0, height = 0;
    double frameRate = 0;
    unsigned long videoBitrate = 800000;
    ETvType tvType = 0;
    bool wantsVideo = true;
};

// The conversion step of every job: the probed file in, the output set configured in full.
class CConversionAdministrator : public CDirectShowAdministrator2 {
public:
    CConversionAdministrator(const SProbedFile& file, const SOutput& output, const CMediaTags& tags)
        : m_file(file), m_output(output), m_tags(tags)
    {
    }
    ~CConversionAdministrator() override { Release(); }

    bool CreateInputFilters() override
    {
        auto* input = new CFileInputFilters2(m_graph);
        input->SetFilePath(m_file.path.string().c_str());
        input->SetInputId(m_file.inputId);
        for (int i = 0; i < 4; ++i) input->SetSplitterId(m_file.splitters[i], i);
        input->SetChainSplitter(m_file.chainSplitter);
        SetInputFilters(input);
        return true;
    }
    bool ConnectInput() override
    {
        if (!CDirectShowAdministrator2::ConnectInput()) return false;
        static_cast<CFileInputFilters2*>(m_input)->ReconnectSeeker();
        return true;
    }
    bool CreateProcessingOutputFilters() override
    {
        auto* set = new CFileOutputFilters2(m_graph);
        set->SetSplitterType(m_output.type);
        set->SetTvType(m_output.tvType);
        set->SetLoop(false);
        set->SetAudioMode(0);
        set->SetAudioComplexity(0);
        set->SetAudioCodecName(m_output.codec, "");
        set->SetAudioRemux(false);
        set->SetAudioKeepSettings(false);
        set->SetAudioSampleRate(m_output.sampleRate);
        set->SetAudioChannelCount(m_output.channels);
        set->SetAudioBitsPerSample(m_output.bits);
        set->SetAudioQualityMode(2);
        set->SetAudioBitrate(m_output.audioBitrate >= 0 ? m_output.audioBitrate : *m_output.codec ? 128000 : 0);
        set->SetAudioQuality(50);
        set->SetAudioRegulateTimecode(false);
        set->SetFilePath(m_output.path.string().c_str());
        set->SetFileAutoNaming(m_output.autoNaming);
        set->SetFileOption(m_output.option);
        set->SetWantsAudio(true);
        const bool video = m_file.video && m_output.wantsVideo;
        set->SetWantsVideo(video);
        if (video) {
            set->SetPickVideo(true, 0);
            set->SetVideoCodecName(m_output.videoCodec, "");
            set->SetVideoInWidth(m_file.width);
            set->SetVideoInHeight(m_file.height);
            set->SetVideoInFrameRate(m_file.frameRate);
            set->SetVideoWidth(m_output.width ? m_output.width : m_file.width);
            set->SetVideoHeight(m_output.height ? m_output.height : m_file.height);
            set->SetVideoFrameRate(m_output.frameRate > 0 ? m_output.frameRate : m_file.frameRate);
            set->SetVideoBitrate(m_output.videoBitrate);
            set->SetVideoQuality(80);
            set->SetVideoRegulateTimecode(false);
        }
        set->SetFilePrompter(nullptr);
        set->SetWantsSubtitle(false);
        set->SetPickAudio(true, 0);
        set->SetTags(m_tags);
        set->SetAudioInSampleRate(m_file.sampleRate);
        set->SetAudioInChannel(m_file.channels);
        set->SetAudioInBitsPerSample(m_file.bits);
        set->SetWmVersion(m_output.wmVersion);
        set->SetWmProfile(m_output.wmProfile);
        SetProcessingOutputFilters(set);
        return true;
    }
    double GetProgress()
    {
        double position = 0;
        auto* set = static_cast<CFileOutputFilters2*>(m_processingOutput);
        if (!set || m_file.duration <= 0 || !set->GetPosition(position)) return 0;
        return std::min(1.0, position / m_file.duration);
    }
    CString GetWrittenPath() const
    {
        auto* set = static_cast<CFileOutputFilters2*>(m_processingOutput);
        return set ? set->GetEffectivePath() : CString();
    }

private:
    SProbedFile m_file;
    SOutput m_output;
    CMediaTags m_tags;
};

class CEndCounter : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowAdministrator2::kGraphCompleteMessage) ++completions;
        if (message == CDirectShowAdministrator2::kGraphErrorAbortMessage) ++aborts;
        return CListener::ListenToMessage(message, p, q);
    }
    int completions = 0;
    int aborts = 0;
};

class CConversionRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::path(m_home.Path()) / "media";
        fs::create_directories(m_dir / "out");
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_codecs = std::make_unique<CAudioCodecsInfo>(true);
        AddCodec("Lame_enc.dll", CLSID_Mp3AudioEncoder, {350, 500, 100, 1200, 1100});
        AddCodec("Vorbis Encoder", CLSID_VorbisAudioEncoder, {1100});
        m_tags.AddValue("TT2", "Spoken Title");
        m_tags.AddValue("TP1", "Reader Voice");
    }
    void TearDown() override { m_window.DestroyWindow(); }

    // A codec row as the codec check leaves it: the encoder's class id and the types it writes.
    static void AddCodec(CCodecsInfo& catalogue, const char* name, const GUID& id,
                         std::initializer_list<ESplitterType> types)
    {
        CCodecInfo* codec = catalogue.Add(name, "");
        codec->SetId(id);
        for (ESplitterType type : types) codec->SetSupported(type, true);
    }
    void AddCodec(const char* name, const GUID& id, std::initializer_list<ESplitterType> types)
    {
        AddCodec(*CAudioCodecsInfo::sInfo, name, id, types);
    }

    // The file-check administrator's probe, as the user interface reads it.
    bool ProbeFile(const fs::path& path, SProbedFile& file, CString& error)
    {
        CFileCheckAdministrator2 check;
        check.SetFilePath(path.string().c_str());
        if (!check.Create()) {
            error = check.GetErrorText();
            return false;
        }
        file.path = path;
        EXPECT_TRUE(UMediaFileInfo::GetFileFormat(&check, &file.inputId, &file.splitters[0], &file.splitters[1],
                                                  &file.splitters[2], &file.splitters[3], &file.chainSplitter,
                                                  &file.duration));
        GUID subtype{}, decoder{}, decoder2{};
        unsigned long code = 0;
        bool plain = false;
        EXPECT_EQ(UMediaFileInfo::GetAudioTrackCount(&check), 1);
        EXPECT_TRUE(UMediaFileInfo::GetAudioTrackSettings(&check, 0, subtype, code, plain, decoder, decoder2,
                                                          file.sampleRate, file.channels, file.bits));
        file.audioSubtype = subtype;
        double aspect = 0;
        file.video = UMediaFileInfo::GetVideoTrackCount(&check) > 0 &&
                     UMediaFileInfo::GetVideoTrackSettings(&check, 0, subtype, code, plain, decoder, decoder2,
                                                           file.width, file.height, file.frameRate, aspect);
        check.Release();
        return true;
    }

    // A file that a command made, probed; false when either fails.
    bool ProbeMade(const std::string& command, const fs::path& path, SProbedFile& file)
    {
        if (std::system(command.c_str()) != 0) return false;
        CString error;
        const bool probed = ProbeFile(path, file, error);
        EXPECT_TRUE(probed) << error;
        return probed;
    }

    // A moving test picture (2 seconds of 320x240 at 25 fps unless told) with a 440 Hz stereo
    // 44.1 kHz tone, in AVI, probed; false without video.
    bool ProbeClip(SProbedFile& file, double seconds = 2, const char* size = "320x240", const char* rate = "25")
    {
        const std::string length = std::to_string(seconds);
        const fs::path avi = m_dir / ("clip" + std::string(size) + ".avi");
        const std::string command = std::string("ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=") + size +
                                    ":rate=" + rate + ":duration=" + length +
                                    " -f lavfi -i sine=frequency=440:sample_rate=44100:duration=" + length +
                                    " -ac 2 -c:v mjpeg -q:v 3 -c:a pcm_s16le '" + avi.string() + "'";
        const bool probed = ProbeMade(command, avi, file);
        EXPECT_TRUE(file.video);
        return probed && file.video;
    }

    // A mono 22.05 kHz tone of that length, probed.
    bool ProbeTone(double seconds, SProbedFile& file)
    {
        const fs::path wav = m_dir / "voice.wav";
        WriteToneWav(wav, 22050, seconds);
        CString error;
        const bool probed = ProbeFile(wav, file, error);
        EXPECT_TRUE(probed) << error;
        return probed;
    }

    // Creates and plays a conversion until it ends; the end is heard exactly once and
    // the progress only rises, to 1 on a finished run.
    struct SRun {
        bool created = false;
        int completions = 0, aborts = 0;
        double lastProgress = 0;
        bool progressFell = false;
        CString error, written;
    };
    SRun Run(const SProbedFile& file, const SOutput& output)
    {
        SRun run;
        CConversionAdministrator admin(file, output, m_tags);
        admin.SetVideoWindow(&m_window);
        CEndCounter counter;
        admin.AddListener(&counter);
        run.created = admin.Create() && admin.Play();
        run.error = admin.GetErrorText();
        if (run.created) {
            const bool ended = MvPumpUntil(
                [&] {
                    const double progress = admin.GetProgress();
                    if (progress + 1e-9 < run.lastProgress) run.progressFell = true;
                    run.lastProgress = std::max(run.lastProgress, progress);
                    return counter.completions > 0;
                },
                60000);
            EXPECT_TRUE(ended) << output.path;
            MvPumpFor(200);
            if (counter.completions > 0 && counter.aborts == 0) run.lastProgress = std::max(run.lastProgress, admin.GetProgress());
            run.error = admin.GetErrorText();
            run.written = admin.GetWrittenPath();
        }
        run.completions = counter.completions;
        run.aborts = counter.aborts;
        admin.RemoveListener(&counter);
        admin.Release();
        return run;
    }

    // A run that was created, completed once without an abort, its progress rising to 1.
    bool RunsToTheEnd(const SProbedFile& file, const SOutput& output)
    {
        const SRun run = Run(file, output);
        EXPECT_TRUE(run.created) << run.error;
        EXPECT_EQ(run.completions, 1);
        EXPECT_EQ(run.aborts, 0) << run.error;
        EXPECT_FALSE(run.progressFell);
        EXPECT_NEAR(run.lastProgress, 1.0, 0.02);
        return run.created && run.completions == 1 && run.aborts == 0;
    }

    // The first audio stream of a written file: its codec, rate and channels, and a duration
    // within the tolerance; what ffprobe read, for further checks.
    std::map<std::string, std::string> ExpectAudio(const fs::path& path, const char* codec, const char* rate,
                                                   const char* channels, double seconds, double tolerance)
    {
        const auto probed = ProbeMedia(path);
        EXPECT_EQ(ProbedValue(probed, "codec_name"), codec) << path;
        EXPECT_EQ(ProbedValue(probed, "sample_rate"), rate) << path;
        EXPECT_EQ(ProbedValue(probed, "channels"), channels) << path;
        EXPECT_NEAR(std::atof(ProbedValue(probed, "duration").c_str()), seconds, tolerance) << path;
        return probed;
    }

    // Copies of a written file cut inside the header and inside the data, and noise of the
    // same extension: each is refused with a text, or converts to WAV and ends.
    void ExpectDamagedCopiesEnd(const fs::path& whole)
    {
        const std::string extension = whole.extension().string();
        const auto size = fs::file_size(whole);
        for (uintmax_t keep : {uintmax_t(200), size / 2}) {
            const fs::path cut = m_dir / ("cut" + std::to_string(keep) + extension);
            fs::copy_file(whole, cut, fs::copy_options::overwrite_existing);
            fs::resize_file(cut, keep);
            SProbedFile probed;
            CString error;
            if (!ProbeFile(cut, probed, error)) {
                EXPECT_FALSE(error.IsEmpty()) << cut;
                continue;
            }
            SOutput output;
            output.path = m_dir / "out" / ("cut" + std::to_string(keep) + ".wav");
            const SRun run = Run(probed, output);
            EXPECT_TRUE(!run.created || run.completions == 1) << cut;
            if (!run.created || run.aborts) {
                EXPECT_FALSE(run.error.IsEmpty()) << cut;
            }
        }
        const fs::path noise = m_dir / ("noise" + extension);
        std::ofstream(noise) << std::string(4096, '0');
        SProbedFile probed;
        CString error;
        EXPECT_FALSE(ProbeFile(noise, probed, error)) << noise;
        EXPECT_FALSE(error.IsEmpty()) << noise;
    }

    MvTestHome m_home;
    StDirectShow m_com;
    fs::path m_dir;
    CDirectShowWindow m_window;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_codecs;
    CMediaTags m_tags;
};

} // namespace
