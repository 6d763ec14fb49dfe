// Every output type of the engine's format table and every built-in device preset, each
// converting real speech or a made 10-second clip on the conversion road; every written file
// is opened and decoded with FFmpeg and held against what its row promises. Types refused on
// purpose are refused with their text.
//
// Not here: 2040 SWF, whose files state no duration (MpegRoadTest reads its pictures).
//
// Held elsewhere: 640 with video and the presets "MPEG-4 for iPod, flexible resolution" and
// "MPEG-4 for Archos", whose limits come from a device's decision (DevicePresetConversionTest).
// 1700 Images (a folder of files) and 1800 FTP upload (a server) are on ImageRoadTest's road.
#include "CDirectShowSystem2.h"
#include "CId3TagReader.h"
#include "CNamedValue.h"
#include "CTagMaps.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "CVideoCodecsInfo.h"
#include "CWindowsMediaSystem2.h"
#include "ConversionRoad.h"
#include "EngineTestDecode.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"
#include "UTargetPresets.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/images/ImageIds.h"
#include "win32/dialogs/Dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr double kClipSeconds = 10;
constexpr int kErrorText = 10030;  // the text of the error dialog
// A tag in no single-byte script.
constexpr const char* kAlbum = "Caf\xC3\xA9 \xE2\x98\x95 \xD0\x9C\xD0\xB8\xD1\x80";
constexpr double kClipRate = 25;

enum EInput { kSpeech, kClip };

// One row: what is asked of the engine and what FFmpeg must find in the file it writes.
struct SOutputCase {
    const char* name;  // the case's name in the test list
    EInput input = kSpeech;
    ESplitterType type = 0;
    const char* extension = "";
    const char* audioCodec = "";  // display names, as the pages name them
    const char* videoCodec = "";
    short wmVersion = 8;
    const char* wmProfile = "";
    unsigned short width = 0, height = 0;  // 0: the input's
    ETvType tvType = 0;
    // The made clip's picture and rate, as ffmpeg's test source takes them.
    const char* clipSize = "320x240";
    const char* clipRate = "25";
    double fps = 0;  // the frame rate written (0: the one asked, else the input's)
    // What is found: the container as ffprobe names it, the codecs, the sound's rate and channels.
    const char* format = "";
    const char* audio = "";
    const char* video = "";
    const char* rate = "44100";
    const char* channels = "2";
    long kilobits = 0;  // the bitrate asked for and found (0: the codec's usual one, not checked)
    // A type refused on purpose: the job ends at creation with this text, after telling the
    // user this (none: nothing is told).
    const char* refused = nullptr;
    const char* told = nullptr;
    // A built-in device preset instead of the row's own settings: its family and media type.
    int family = -1;
    EMediaType media = kMediaTypeVideo;
};

const SOutputCase kAudioTypes[] = {
    {.name = "Wav", .type = 500, .extension = "wav", .format = "wav", .audio = "pcm_s16le"},
    {.name = "Mp3", .type = 350, .extension = "mp3", .audioCodec = "Lame_enc.dll", .format = "mp3", .audio = "mp3",
     .kilobits = 128},
    // Rates MPEG-2 frames carry, written as asked.
    {.name = "Mp3At22kMono", .type = 350, .extension = "mp3", .audioCodec = "Lame_enc.dll", .format = "mp3",
     .audio = "mp3", .rate = "22050", .channels = "1", .kilobits = 128},
    {.name = "Mp3At16kLow", .type = 350, .extension = "mp3", .audioCodec = "Lame_enc.dll", .format = "mp3",
     .audio = "mp3", .rate = "16000", .kilobits = 8},
    {.name = "AviAudio", .type = 100, .extension = "avi", .audioCodec = "Lame_enc.dll", .format = "avi",
     .audio = "mp3"},
    {.name = "Mka", .type = 1200, .extension = "mka", .audioCodec = "Lame_enc.dll", .format = "matroska,webm",
     .audio = "mp3"},
    {.name = "Ogg", .type = 1100, .extension = "ogg", .audioCodec = "Vorbis Encoder", .format = "ogg",
     .audio = "vorbis"},
    {.name = "M4a", .type = 640, .extension = "m4a", .format = "mov,mp4,m4a,3gp,3g2,mj2", .audio = "aac"},
    {.name = "MovAudio", .type = 600, .extension = "mov", .audioCodec = "Apple IMA 4:1",
     .format = "mov,mp4,m4a,3gp,3g2,mj2", .audio = "adpcm_ima_qt"},
    {.name = "MovExportAudio", .type = 601, .extension = "mov", .format = "mov,mp4,m4a,3gp,3g2,mj2", .audio = "aac"},
    {.name = "Aif", .type = 650, .extension = "aif", .format = "aiff", .audio = "pcm_s16be"},
    {.name = "Wma", .type = 200, .extension = "wma", .audioCodec = "Windows Media Audio 9.2", .format = "asf",
     .audio = "wmav2"},
    {.name = "WmaProfile", .type = 250, .extension = "wma", .wmProfile = "Audio for CD quality (128 Kbps)",
     .format = "asf", .audio = "wmav2"},
    {.name = "WmaProfileCustomized", .type = 252, .extension = "wma", .audioCodec = "Windows Media Audio 9.2",
     .wmVersion = 9, .wmProfile = "Audio for FM radio quality (64 Kbps)", .format = "asf", .audio = "wmav2"},
    {.name = "Mpeg1Audio", .type = 300, .extension = "mp3", .format = "mp3", .audio = "mp3"},
};

const SOutputCase kVideoTypes[] = {
    {.name = "Avi", .input = kClip, .type = 100, .extension = "avi", .audioCodec = "Lame_enc.dll",
     .videoCodec = "MPEG-4 Video", .format = "avi", .audio = "mp3", .video = "mpeg4"},
    {.name = "XviD", .input = kClip, .type = 130, .extension = "xvid", .audioCodec = "Lame_enc.dll",
     .videoCodec = "XviD MPEG-4 Codec", .format = "avi", .audio = "mp3", .video = "mpeg4"},
    {.name = "AviDvPal", .input = kClip, .type = 110, .extension = "avi", .videoCodec = "DV Video Encoder",
     .width = 720, .height = 576, .tvType = 2, .format = "avi", .audio = "pcm_s16le", .video = "dvvideo"},
    {.name = "DvPal", .input = kClip, .type = 900, .extension = "dv", .videoCodec = "DV Video Encoder",
     .width = 720, .height = 576, .tvType = 2, .format = "dv", .audio = "pcm_s16le", .video = "dvvideo"},
    {.name = "QuickTimeDvPal", .input = kClip, .type = 610, .extension = "dv", .width = 720, .height = 576,
     .tvType = 2, .format = "dv", .audio = "pcm_s16le", .video = "dvvideo", .rate = "48000"},
    {.name = "QuickTimeDvProPal", .input = kClip, .type = 611, .extension = "dv", .width = 720, .height = 576,
     .tvType = 2, .format = "dv", .audio = "pcm_s16le", .video = "dvvideo", .rate = "48000"},
    {.name = "QuickTimeDvNtsc", .input = kClip, .type = 610, .extension = "dv", .clipSize = "720x480",
     .clipRate = "30000/1001", .format = "dv", .audio = "pcm_s16le", .video = "dvvideo", .rate = "48000"},
    {.name = "QuickTimeDvProNtsc", .input = kClip, .type = 611, .extension = "dv", .clipSize = "720x480",
     .clipRate = "30000/1001", .format = "dv", .audio = "pcm_s16le", .video = "dvvideo", .rate = "48000"},
    {.name = "WmvProfile", .input = kClip, .type = 250, .extension = "wmv", .wmProfile = "Video for broadband (340 Kbps)",
     .fps = 30000.0 / 1001, .format = "asf", .audio = "wmav2", .video = "wmv2"},
    {.name = "WmvProfileResized", .input = kClip, .type = 251, .extension = "wmv",
     .wmProfile = "Video for broadband (340 Kbps)", .format = "asf", .audio = "wmav2", .video = "wmv2"},
    {.name = "Mkv", .input = kClip, .type = 1200, .extension = "mkv", .audioCodec = "Lame_enc.dll",
     .videoCodec = "MPEG-4 Video", .format = "matroska,webm", .audio = "mp3", .video = "mpeg4"},
    {.name = "Wmv", .input = kClip, .type = 200, .extension = "wmv", .audioCodec = "Windows Media Audio 9.2",
     .videoCodec = "Windows Media Video 8", .format = "asf", .audio = "wmav2", .video = "wmv2"},
    {.name = "AnimatedGif", .input = kClip, .type = 1600, .extension = "gif", .videoCodec = "GIF", .format = "gif",
     .video = "gif", .rate = "", .channels = ""},
    {.name = "Flc", .input = kClip, .type = 620, .extension = "flc", .format = "flic", .video = "flic", .rate = "",
     .channels = ""},
    {.name = "Mpeg1System", .input = kClip, .type = 300, .extension = "mpg", .format = "mpeg", .audio = "mp2",
     .video = "mpeg1video"},
    {.name = "VcdPal", .input = kClip, .type = 310, .extension = "mpg", .width = 352, .height = 288, .tvType = 2,
     .format = "mpeg", .audio = "mp2", .video = "mpeg1video"},
    {.name = "Mpeg2Program", .input = kClip, .type = 400, .extension = "mpg", .format = "mpeg", .audio = "mp2",
     .video = "mpeg2video"},
    {.name = "SvcdPal", .input = kClip, .type = 410, .extension = "mpg", .width = 480, .height = 576, .tvType = 2,
     .format = "mpeg", .audio = "mp2", .video = "mpeg2video"},
    {.name = "DvdPal", .input = kClip, .type = 420, .extension = "vob", .width = 720, .height = 576, .tvType = 2,
     .format = "mpeg", .audio = "mp2", .video = "mpeg2video", .rate = "48000"},
    {.name = "FfMpeg1", .input = kClip, .type = 2000, .extension = "mpg", .format = "mpeg", .audio = "mp2",
     .video = "mpeg1video"},
    {.name = "FfPsp", .input = kClip, .type = 2022, .extension = "mp4", .format = "mov,mp4,m4a,3gp,3g2,mj2",
     .audio = "aac", .video = "mpeg4"},
    {.name = "FfFlv", .input = kClip, .type = 2041, .extension = "flv", .format = "flv", .audio = "mp3",
     .video = "flv1"},
    {.name = "OgmTheora", .input = kClip, .type = 1100, .extension = "ogm", .audioCodec = "Vorbis Encoder",
     .videoCodec = "Theora Video", .format = "ogg", .audio = "vorbis", .video = "theora"},
    {.name = "Mov", .input = kClip, .type = 600, .extension = "mov", .audioCodec = "Apple IMA 4:1",
     .videoCodec = "Apple MPEG-4 Video", .format = "mov,mp4,m4a,3gp,3g2,mj2", .audio = "adpcm_ima_qt",
     .video = "mpeg4"},
    {.name = "MovExport", .input = kClip, .type = 601, .extension = "mov", .format = "mov,mp4,m4a,3gp,3g2,mj2",
     .audio = "aac", .video = "mpeg4"},
    {.name = "ThreeGp", .input = kClip, .type = 630, .extension = "3gp", .format = "mov,mp4,m4a,3gp,3g2,mj2",
     .audio = "aac", .video = "mpeg4"},
    {.name = "ThreeG2", .input = kClip, .type = 631, .extension = "3g2", .format = "mov,mp4,m4a,3gp,3g2,mj2",
     .audio = "aac", .video = "mpeg4"},
};

// Each family's video target, then its audio target.
const SOutputCase kPresets[] = {
    {.name = "iPodAudio", .input = kSpeech, .format = "mov,mp4,m4a,3gp,3g2,mj2", .audio = "aac",
     .family = UTargetPresets::kIPod, .media = kMediaTypeAudio},
    {.name = "PspVideo", .input = kClip, .format = "mov,mp4,m4a,3gp,3g2,mj2", .audio = "aac", .video = "mpeg4",
     .family = UTargetPresets::kPsp, .media = kMediaTypeVideo},
    {.name = "PspAudio", .input = kSpeech, .format = "mp3", .audio = "mp3", .family = UTargetPresets::kPsp,
     .media = kMediaTypeAudio},
    {.name = "PmcAudio", .input = kSpeech, .format = "asf", .audio = "wmav2", .family = UTargetPresets::kPmc,
     .media = kMediaTypeAudio},
    {.name = "ZenVisionAudio", .input = kSpeech, .format = "asf", .audio = "wmav2",
     .family = UTargetPresets::kZenVision, .media = kMediaTypeAudio},
    {.name = "CellPhoneVideo", .input = kClip, .format = "mov,mp4,m4a,3gp,3g2,mj2", .audio = "aac", .video = "mpeg4",
     .family = UTargetPresets::kCellPhone, .media = kMediaTypeVideo},
    {.name = "CellPhoneAudio", .input = kSpeech, .format = "mp3", .audio = "mp3", .family = UTargetPresets::kCellPhone,
     .media = kMediaTypeAudio},
    {.name = "ZuneAudio", .input = kSpeech, .format = "asf", .audio = "wmav2", .family = UTargetPresets::kZune,
     .media = kMediaTypeAudio},
    {.name = "ArchosAudio", .input = kSpeech, .format = "asf", .audio = "wmav2", .family = UTargetPresets::kArchos,
     .media = kMediaTypeAudio},
    {.name = "PmcVideo", .input = kClip, .format = "asf", .audio = "wmav2", .video = "wmv2",
     .family = UTargetPresets::kPmc, .media = kMediaTypeVideo},
    {.name = "ZuneVideo", .input = kClip, .format = "asf", .audio = "wmav2", .video = "wmv2",
     .family = UTargetPresets::kZune, .media = kMediaTypeVideo},
    {.name = "ZenVisionVideo", .input = kClip, .format = "asf", .audio = "wmav2", .video = "wmv2",
     .family = UTargetPresets::kZenVision, .media = kMediaTypeVideo},
};

// Without the RealMedia producer its writer cannot be made.
constexpr const char* kNoProducer =
    "Failed to create RealMedia Writer component.\nThis is usually caused by installation problems. Please "
    "reinstall the software.";

const SOutputCase kRefusals[] = {
    {.name = "RealMedia", .input = kClip, .type = 1000, .extension = "rm",
     .refused = "Unable to connect to processing agencies.", .told = kNoProducer},
    {.name = "RealAudio", .input = kSpeech, .type = 1000, .extension = "ra",
     .refused = "Unable to connect to processing agencies.", .told = kNoProducer},
    {.name = "NoTableRow", .input = kSpeech, .type = 9999, .extension = "out",
     .refused = "Unable to connect to processing agencies."},
    // A video codec that is not installed: the job is refused rather than written without its video.
    {.name = "ForcedDivX", .input = kClip, .type = 120, .extension = "divx", .audioCodec = "Lame_enc.dll",
     .videoCodec = "DivX Pro 5.1.1 Codec", .refused = "Unable to connect to processing agencies."},
};

void PrintTo(const SOutputCase& c, std::ostream* out) { *out << c.name; }

// A rate as ffprobe writes it, "30000/1001" or "25/1".
double FrameRateOf(const std::string& text)
{
    const size_t slash = text.find('/');
    const double over = slash == std::string::npos ? 1 : std::atof(text.c_str() + slash + 1);
    return over > 0 ? std::atof(text.c_str()) / over : 0;
}

// The highest rate an encoder takes at or below the one asked: the presets carry 480000 and
// 441000, which a decision brings down to 48000 and 44100.
unsigned long EncoderRate(unsigned long asked)
{
    unsigned long rate = 8000;
    for (unsigned long each : {8000ul, 11025ul, 16000ul, 22050ul, 24000ul, 32000ul, 44100ul, 48000ul})
        if (each <= asked) rate = each;
    return rate;
}

class OutputTypeTable : public CConversionRoad, public ::testing::WithParamInterface<SOutputCase> {
protected:
    void SetUp() override
    {
        CConversionRoad::SetUp();
        m_loadWm = CDirectShowSystem2::sLoadWm;
        CDirectShowSystem2::sLoadWm = true;
        m_windowsMedia = std::make_unique<CWindowsMediaSystem2>();
        ASSERT_TRUE(m_quickTime.IsStarted());
        // The catalogues as the codec check leaves them: which encoder writes which type.
        if (!CVideoCodecsInfo::sInfo) m_videoCodecs = std::make_unique<CVideoCodecsInfo>(true);
        AddCodec(*CVideoCodecsInfo::sInfo, "MPEG-4 Video", CLSID_Mpeg4VideoEncoder, {100, 1100, 1200});
        AddCodec(*CVideoCodecsInfo::sInfo, "XviD MPEG-4 Codec", CLSID_XvidVideoEncoder, {100, 130});
        AddCodec(*CVideoCodecsInfo::sInfo, "DV Video Encoder", CLSID_DvVideoEncoder, {110, 900});
        AddCodec(*CVideoCodecsInfo::sInfo, "GIF", CLSID_GifImageEncoder, {1700, 1800, 1600});
        AddCodec(*CVideoCodecsInfo::sInfo, "Theora Video", CLSID_TheoraVideoEncoder, {1100});
        AddCodec("Lame_enc.dll", CLSID_Mp3AudioEncoder, {130});
        m_tags.AddValue("TAL", kAlbum);
    }
    void TearDown() override
    {
        m_windowsMedia.reset();
        CDirectShowSystem2::sLoadWm = m_loadWm;
        CConversionRoad::TearDown();
    }

    // A few seconds of a synthetic voice, as the speech engine writes it: 22.05 kHz mono.
    bool ProbeSpeech(SProbedFile& file)
    {
        const fs::path wav = m_dir / "speech.wav";
        return ProbeMade("espeak-ng -w '" + wav.string() +
                             "' 'Every output type writes a file that plays from its start to its end.'",
                         wav, file);
    }

    // The row's own settings, or those of its preset as a decision hands them to the engine:
    // the picture no larger nor faster than the input, the bitrates within the device's ceiling.
    SOutput OutputOf(const SOutputCase& c, const SProbedFile& file)
    {
        SOutput output;
        output.type = c.type;
        output.codec = c.audioCodec;
        output.videoCodec = c.videoCodec;
        output.wmVersion = c.wmVersion;
        output.wmProfile = c.wmProfile;
        output.width = c.width;
        output.height = c.height;
        output.tvType = c.tvType;
        output.sampleRate = std::strtoul(c.rate, nullptr, 10);
        output.channels = static_cast<unsigned short>(std::atoi(c.channels));
        if (c.kilobits) output.audioBitrate = c.kilobits * 1000;
        output.path = m_dir / "out" / (std::string(c.name) + "." + c.extension);
        if (c.family < 0) return output;
        UTargetPresets::Add(m_presets, UTargetPresets::EFamily(c.family));
        m_preset = nullptr;
        for (int i = 0; i < m_presets.GetTargetCount(); ++i)
            if (m_presets.GetTarget(i)->GetMediaType() == c.media) m_preset = m_presets.GetTarget(i);
        if (!m_preset) return output;
        CTargetConversion& preset = *m_preset;
        output.type = preset.GetSplitterType();
        const bool audioOnly = c.media == kMediaTypeAudio;
        output.path = m_dir / "out" /
                      (std::string(c.name) + "." +
                       CFormatTypes::sFormatTypes->GetFileExtension(output.type, audioOnly, false).GetString());
        output.wantsVideo = preset.GetWantsVideo();
        output.wmVersion = preset.GetWmOutput().GetVersion();
        output.wmProfile = m_profile = preset.GetWmOutput().GetProfile();
        m_audioName = preset.GetAudioOutput().GetDisplayName();
        m_videoName = preset.GetVideoOutput().GetDisplayName();
        output.codec = m_audioName;
        output.videoCodec = m_videoName;
        const CAudioInfo2& sound = preset.GetAudioOutput().GetAudioInfo();
        output.sampleRate = EncoderRate(sound.GetSampleRate());
        output.channels = sound.GetChannel();
        output.audioBitrate = std::min<long>(128000, preset.GetMaxBitrate() / 4);
        const CVideoInfo2& picture = preset.GetVideoOutput().GetVideoInfo();
        if (picture.GetWidth() < file.width || picture.GetHeight() < file.height) {
            output.width = picture.GetWidth();
            output.height = picture.GetHeight();
        }
        output.frameRate = std::min(picture.GetFrameRate(), file.frameRate);
        output.videoBitrate =
            std::min<unsigned long>(preset.GetVideoOutput().GetBitrate(), preset.GetMaxBitrate() - output.audioBitrate);
        return output;
    }

    // What a preset promises of the written file: size, pixels, frame rate, bitrate, sound.
    void ExpectWithinPreset(const SOutput& output, const SDecodedMedia& decoded, double seconds)
    {
        CTargetConversion& preset = *m_preset;
        const auto probed = ProbeMedia(output.path);
        const double bitrate = std::atof(ProbedValue(probed, "bit_rate").c_str());
        // A container's overhead over ten seconds stays within a tenth of the ceiling.
        EXPECT_LE(bitrate, preset.GetMaxBitrate() * 1.1) << output.path;
        // A rate the encoder offers, between the preset's least and most.
        const unsigned long rate = std::strtoul(ProbedValue(probed, "sample_rate").c_str(), nullptr, 10);
        EXPECT_GE(rate, preset.GetMinAudioOutput().GetAudioInfo().GetSampleRate()) << output.path;
        EXPECT_LE(rate, output.sampleRate) << output.path;
        EXPECT_EQ(ProbedValue(probed, "channels"), std::to_string(output.channels)) << output.path;
        if (!output.wantsVideo) return;
        const CVideoInfo2& most = preset.GetVideoOutput().GetVideoInfo();
        EXPECT_LE(decoded.width, most.GetWidth());
        EXPECT_LE(decoded.height, most.GetHeight());
        EXPECT_LE(unsigned(decoded.width * decoded.height), preset.GetMaxVideoPixels());
        EXPECT_GE(unsigned(decoded.width * decoded.height), preset.GetMinVideoPixels());
        EXPECT_LE(decoded.frames / seconds, most.GetFrameRate() + 0.01);
        EXPECT_LE(decoded.videoBitrate + decoded.audioBitrate, preset.GetMaxBitrate() * 1.1);
    }

    StQuickTime m_quickTime;
    StQuickTimeLoader m_loader;
    bool m_loadWm = true;
    std::unique_ptr<CWindowsMediaSystem2> m_windowsMedia;
    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
    CTargetDecisions m_presets;
    CTagMaps m_tagMaps;  // the tag reader's frame names
    CTargetConversion* m_preset = nullptr;
    CString m_audioName, m_videoName, m_profile;
};

TEST_P(OutputTypeTable, WritesAFileFfmpegDecodesAsTheRowPromises)
{
    const SOutputCase& c = GetParam();
    SProbedFile file;
    ASSERT_TRUE(c.input == kClip ? ProbeClip(file, kClipSeconds, c.clipSize, c.clipRate) : ProbeSpeech(file));
    const SOutput output = OutputOf(c, file);
    ASSERT_TRUE(c.family < 0 || m_preset) << "no preset of the family";

    if (c.refused) {
        CString told;
        MvSetModalHandler([&](HWND dialog) {
            char text[512];
            GetDlgItemTextA(dialog, kErrorText, text, sizeof text);
            told = text;
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        const SRun run = Run(file, output);
        MvSetModalHandler(nullptr);
        EXPECT_STREQ(told, c.told ? c.told : "");
        EXPECT_FALSE(run.created);
        EXPECT_STREQ(run.error, c.refused);
        EXPECT_EQ(run.completions + run.aborts, 0);
        EXPECT_FALSE(fs::exists(output.path));
        return;
    }

    ASSERT_TRUE(RunsToTheEnd(file, output)) << output.path;
    ASSERT_TRUE(fs::exists(output.path));
    EXPECT_EQ(DecodeErrors(output.path), "") << output.path;
    const auto probed = ProbeMedia(output.path);
    EXPECT_EQ(ProbedValue(probed, "format_name"), c.format);
    EXPECT_EQ(ProbedValue(probed, "codec_name"), c.audio);
    if (c.family < 0) {
        EXPECT_EQ(ProbedValue(probed, "sample_rate"), c.rate);
        EXPECT_EQ(ProbedValue(probed, "channels"), c.channels);
    }
    // The sound lasts as long as the input's, give or take the last coded block; a picture
    // alone is counted by its frames below.
    if (*c.audio) {
        EXPECT_NEAR(std::atof(ProbedValue(probed, "duration").c_str()), file.duration, 0.1) << output.path;
    }
    // A constant bitrate: the file's size over its length, the tags aside.
    if (c.kilobits) {
        EXPECT_NEAR(std::atof(ProbedValue(probed, "bit_rate").c_str()), c.kilobits * 1000.0, c.kilobits * 50.0 + 1000);
    }
    // What the engine writes into an MP3 its own tag reader reads back, in any script.
    if (output.type == 350) {
        CMediaTags read;
        CId3TagReader(output.path.string().c_str()).Read(read);
        for (const char* tag : {"TT2", "TP1", "TAL"}) {
            const CNamedValue* value = read.FindValue(tag);
            const std::string got = value ? std::string(value->GetValue()) : "<none>";
            EXPECT_EQ(got, std::string(m_tags.FindValue(tag)->GetValue())) << tag;
        }
        EXPECT_EQ(ProbedValue(ProbeMedia(output.path), "album"), kAlbum);
    }

    SDecodedMedia decoded;
    const bool video = output.wantsVideo && file.video;
    const double rate = c.fps > 0 ? c.fps : output.frameRate > 0 ? output.frameRate : file.frameRate;
    EXPECT_EQ(DecodeMedia(output.path, kClipRate, decoded), video) << output.path;
    if (video) {
        EXPECT_EQ(decoded.videoCodec, c.video);
        EXPECT_EQ(decoded.audioCodec, c.audio);
        EXPECT_EQ(decoded.width, output.width ? output.width : file.width);
        EXPECT_EQ(decoded.height, output.height ? output.height : file.height);
        // Every frame of the input, each of them whole, at the rate written where the
        // container states one (FLC does not).
        EXPECT_EQ(decoded.frames, std::lround(kClipSeconds * rate)) << output.path;
        const double stated = FrameRateOf(ProbedValue(ProbeMedia(output.path, "v"), "avg_frame_rate"));
        if (stated > 0) {
            EXPECT_NEAR(stated, rate, 0.01) << output.path;
        }
    }
    if (m_preset) ExpectWithinPreset(output, decoded, file.duration);
}

std::string CaseName(const ::testing::TestParamInfo<SOutputCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(AudioTypes, OutputTypeTable, ::testing::ValuesIn(kAudioTypes), CaseName);
INSTANTIATE_TEST_SUITE_P(VideoTypes, OutputTypeTable, ::testing::ValuesIn(kVideoTypes), CaseName);
INSTANTIATE_TEST_SUITE_P(Presets, OutputTypeTable, ::testing::ValuesIn(kPresets), CaseName);
INSTANTIATE_TEST_SUITE_P(Refusals, OutputTypeTable, ::testing::ValuesIn(kRefusals), CaseName);

} // namespace
