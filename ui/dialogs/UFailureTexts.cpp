#include "UFailureTexts.h"

#include "CMediaFile2.h"
#include "UGuidUtils.h"

#include <cstring>
#include <string>

namespace {

struct ByExtension {
    const char* extensions;  // space separated
    const char* text;
};

// What a file seems to be, by extension, when both streams are wanted.
const ByExtension kAppears[] = {
    {"sd2", "%s appears to be a Sound Designer 2 audio file."},
    {"shn", "%s appears to be a Shortened WAV Format audio file. Please install DirectShow SHN Filter."},
    {"aif aiff", "%s appears to be an AIFF audio file."},
    {"aifc", "%s appears to be an AIFC audio file."},
    {"amr", "%s appears to be an AMR audio file."},
    {"au", "%s appears to be an Unix audio file."},
    {"midi", "%s appears to be a MIDI audio file."},
    {"m4a", "%s appears to be a MPEG-4 audio file."},
    {"m4p", "%s appears to be a encrypted iTune MPEG-4 audio file."},
    {"mp4", "%s appears to be a MPEG-4 video file. Please make sure the latest QuickTime is installed."},
    {"asf", "%s appears to be a ASF file. Please make sure the latest DirectX is installed."},
    {"wma", "%s appears to be a Windows Media Audio file."},
    {"wmv", "%s appears to be a Windows Media Video file. Please make sure the latest DirectX is installed."},
    {"cda", "%s appears to be an audio CD track."},
    {"flac", "%s appears to be a FLAC audio file."},
    {"ape", "%s appears to be a Monkey Audio file."},
    {"mpc", "%s appears to be a MPEG Plus audio file."},
    {"ofr", "%s appears to be an OptimFROG audio file."},
    {"tta", "%s appears to be a TTA audio file."},
    {"avi", "%s appears to be a corrupted AVI file."},
    {"wav", "%s appears to be a WAV audio file."},
    {"ra", "%s appears to be a RealAudio file."},
    {"rm ram rmvb", "%s appears to be a RealMedia file. Please make sure Real Alternative is installed."},
    {"mka", "%s appears to be a Matroska Audio file."},
    {"mkv", "%s appears to be a Matroska Video file. Please make sure Matroska Pack is installed."},
    {"ogg", "%s appears to be an OGG Audio file."},
    {"ogm", "%s appears to be an OGG Media file. Please make sure OGG DirectShow Filters are installed."},
    {"ac3", "%s appears to be a Dolby Digital AC-3 audio file."},
    {"mpa", "%s appears to be a MPEG Audio file."},
    {"mpv mpg", "%s appears to be a MPEG file."},
};

// The video-only wording where it differs from the above.
const ByExtension kAppearsVideo[] = {
    {"shn", "%s appears to be a Shortened WAV Format audio file."},
    {"mpv mpg", "%s appears to be a MPEG file. MPEG-2 is not an officially supported format at this moment."},
};

// The audio-only wording.
const ByExtension kAppearsAudio[] = {
    {"sd2", "%s appears to be a Sound Designer 2 audio file. Please make sure the latest QuickTime is installed and "
            "the file can be played in QT Player."},
    {"shn", "%s appears to be a Shortened WAV Format audio file. Please install DirectShow SHN Filter."},
    {"aif aiff", "%s appears to be an AIFF audio file. Please make sure the latest QuickTime is installed."},
    {"aifc", "%s appears to be an AIFC audio file. Please make sure the latest QuickTime is installed."},
    {"amr", "%s appears to be an AMR audio file. Please make sure the latest QuickTime is installed."},
    {"au", "%s appears to be an Unix audio file. Please make sure the latest QuickTime is installed."},
    {"midi", "%s appears to be a MIDI audio file. We cannot decode MIDI audio."},
    {"m4a", "%s appears to be a MPEG-4 audio file. Please make sure the latest QuickTime is installed."},
    {"m4p", "%s appears to be a encrypted iTune MPEG-4 audio file. We cannot decode protected iTune files."},
    {"mp4", "%s appears to be a MPEG-4 video file. Please make sure the latest QuickTime is installed."},
    {"asf", "%s appears to be a ASF file. Please make sure the latest DirectX is installed."},
    {"wma", "%s appears to be a Windows Media Audio file. Please make sure the latest DirectX is installed."},
    {"wmv", "%s appears to be a Windows Media Video file. Please make sure the latest DirectX is installed."},
    {"cda", "%s appears to be an audio CD track."},
    {"flac", "%s appears to be a FLAC audio file. Please make sure CoreFLAC is installed."},
    {"ape", "%s appears to be a Monkey Audio file. Please make sure RadLight APE DirectShow Filter is installed."},
    {"mpc", "%s appears to be a MPEG Plus audio file. Please make sure RadLight MPC DirectShow Filter is installed."},
    {"ofr", "%s appears to be an OptimFROG audio file. Please make sure RadLight OptimFROG DirectShow Filter is "
            "installed."},
    {"tta", "%s appears to be a TTA audio file. Please make sure RadLight TTA DirectShow Filter is installed"},
    {"avi", "%s appears to be a AVI file with video only."},
    {"wav", "%s appears to be a WAV audio file. Please make sure the latest DirectX is installed."},
    {"ra", "%s appears to be a RealAudio file. Please make sure Real Alternative is installed."},
    {"rm ram rmvb", "%s appears to be a RealMedia file. Please make sure Real Alternative is installed."},
    {"mka", "%s appears to be a Matroska Audio file. Please make sure Matroska Pack is installed."},
    {"mkv", "%s appears to be a Matroska Video file. Please make sure Matroska Pack is installed."},
    {"ogg", "%s appears to be an OGG Audio file. Please make sure OGG DirectShow Filters are installed."},
    {"ogm", "%s appears to be an OGG Media file. Please make sure OGG DirectShow Filters are installed."},
    {"ac3", "%s appears to be a Dolby Digital AC-3 audio file. Please make sure the AC-3 Decoder Filter is installed"},
    {"mpa", "%s appears to be a MPEG Audio file. Please make sure your DirectX installation is up to date."},
    {"mpv mpg", "%s appears to be a MPEG file."},
};

enum Kind { kNone, kQuickTime, kAsf, kWindowsMedia, kAudioCd, kFlac, kMonkey, kMpegPlus, kOptimFrog, kTta, kAvi,
            kWav, kRealMedia, kMatroska, kOgg, kAc3, kMpeg, kMpeg4 };

struct KindId {
    Kind kind;
    bool source;  // compared with the source filter, else with the first splitter
    const char* id;
};

const KindId kKinds[] = {
    {kQuickTime, true, "14574638-37E2-4CDB-88AF-9B4E3C337460"},
    {kAsf, true, "187463A0-5BB7-11D3-ACBE-0080C75E246E"},
    {kWindowsMedia, true, "6B6D0800-9ADA-11D0-A520-00A0D10129C0"},
    {kAudioCd, true, "A5243ECF-C4AB-42CB-9A4B-EAC90CE0DB19"},
    {kFlac, true, "51D9596F-50F7-483D-934F-746378AA8CCC"},
    {kMonkey, true, "41FAF0F4-DCEC-4F6A-82D2-56E100F2A8E5"},
    {kMpegPlus, true, "876B9304-359C-42E2-864E-B98B03F33C9D"},
    {kOptimFrog, true, "68D6728A-D715-492A-A57B-8DDA01F4921F"},
    {kTta, true, "30349568-DAB5-4FA9-B254-4D3BA77C7952"},
    {kAvi, false, "1B544C20-FD0B-11CE-8C63-00AA0044B51E"},
    {kWav, false, "D51BD5A1-7548-11CF-A520-0080C77EF58A"},
    {kRealMedia, false, "E21BE468-5C18-43EB-B0CC-DB93A847D769"},
    {kMatroska, false, "149D2E01-C32E-4939-80F6-C07B81015A7A"},
    {kOgg, false, "F07E245F-5A1F-4D1E-8BFF-DC31D84A55AB"},
    {kAc3, false, "280A3020-86CF-11D1-ABE6-00A0C905F375"},
    {kMpeg, false, "731B8592-4001-46D4-B1A5-33EC792B4501"},
    {kMpeg, false, "2BE4D120-6F2E-4B3A-B0BD-E880917238DC"},
    {kMpeg, false, "3AE86B20-7BE8-11D1-ABE6-00A0C905F375"},
    {kMpeg, false, "AFB6C280-2C41-11D3-8A60-0000F81E0E4A"},
    {kMpeg4, false, "52B63861-DC93-11CE-A099-00AA00479A58"},
};

const char* const kMpeg2Text = "%s is a MPEG-2 file. MPEG-2 is not an officially supported format at this moment.";

template <size_t N>
const char* FindByExtension(const ByExtension (&table)[N], const CString& extension)
{
    if (extension.IsEmpty()) return nullptr;
    const std::string word = " " + std::string(extension.GetString()) + " ";
    for (const ByExtension& row : table)
        if ((" " + std::string(row.extensions) + " ").find(word) != std::string::npos) return row.text;
    return nullptr;
}

Kind KindOf(CMediaFile2& file)
{
    for (const KindId& k : kKinds) {
        const GUID id = UGuidUtils::GuidFromString(k.id);
        if ((k.source ? file.GetFileSourceId() : file.GetSplitterId(0)) == id) return k.kind;
    }
    return kNone;
}

// "is" texts: a file with video whose video could not be decoded.
const char* UndecodedVideo(Kind kind)
{
    switch (kind) {
    case kAsf: return "%s is a ASF video file. We cannot decode the video";
    case kWindowsMedia: return "%s is a Windows Media Video file. We cannot decode the video.";
    case kAvi: return "%s is an AVI file. We cannot decode the video.";
    case kRealMedia: return "%s is a RealMedia file. We cannot decode the video.";
    case kMatroska: return "%s is a Matroska Video file. We cannot decode the video.";
    case kOgg: return "%s is an OGG Media file. We cannot decode the video.";
    case kMpeg: return kMpeg2Text;
    case kMpeg4: return "%s is a MPEG-4 file. We cannot decode the video.";
    default: return nullptr;
    }
}

// "is" texts: a file with audio and no video, where video is wanted.
const char* AudioWithoutVideo(Kind kind, const CString& extension)
{
    switch (kind) {
    case kQuickTime: {
        static const ByExtension quickTime[] = {{"sd2", "%s is a Sound Designer 2 audio file."},
                                                {"aif aiff", "%s is an AIFF audio file."},
                                                {"aifc", "%s is an AIFC audio file."},
                                                {"amr", "%s is an AMR audio file."},
                                                {"au", "%s is an Unix audio file."},
                                                {"midi", "%s is a MIDI audio file."},
                                                {"m4a", "%s is a MPEG-4 audio file."}};
        const char* text = FindByExtension(quickTime, extension);
        return text ? text : "%s is an QuickTime file with audio only.";
    }
    case kAsf: return "%s is a ASF Audio file without video.";
    case kWindowsMedia: return "%s is a Windows Media Audio file without video.";
    case kAudioCd: return "%s is an audio CD track.";
    case kFlac: return "%s is a FLAC audio file without video.";
    case kMonkey: return "%s is a Monkey Audio file without video.";
    case kMpegPlus: return "%s is a MPEG Plus audio file without video.";
    case kOptimFrog: return "%s is an OptimFROG audio file without video.";
    case kTta: return "%s is a TTA audio file without video.";
    case kAvi: return "%s is an AVI file. We cannot find a recognizable video track.";
    case kWav: return "%s is a WAV audio file.";
    case kRealMedia:
        return extension == "ra" ? "%s is a RealAudio file."
                                 : "%s is a RealMedia file. We cannot find a recognizable video track.";
    case kMatroska:
        return extension == "mka" ? "%s is a Matroska Audio file."
                                  : "%s is a Matroska Video file. We cannot find a recognizable video track.";
    case kOgg:
        return extension == "ogg" ? "%s is an OGG Audio file."
                                  : "%s is an OGG Media file. We cannot find a recognizable video track.";
    case kAc3: return "%s is a Dolby Digital AC-3 audio file.";
    case kMpeg: return extension == "mpa" ? "%s is a MPEG Audio file." : kMpeg2Text;
    case kMpeg4: return "%s is a MPEG-4 file. We cannot find a recognizable video track.";
    default: return nullptr;
    }
}

// "is" texts: a file with video and no audio, where audio is wanted.
const char* VideoWithoutAudio(Kind kind, const CString& extension)
{
    switch (kind) {
    case kQuickTime: return extension == "gif" ? "%s is a GIF image file." : "%s is an QuickTime file with video only.";
    case kAsf: return "%s is a ASF video file without audio.";
    case kWindowsMedia: return "%s is a Windows Media Video file without audio.";
    case kAvi: return "%s is an AVI file. We cannot find a recognizable audio track.";
    case kRealMedia: return "%s is a RealMedia file. We cannot find a recognizable audio track.";
    case kMatroska: return "%s is a Matroska Video file. We cannot find a recognizable audio track.";
    case kOgg: return "%s is an OGG Media file. We cannot find a recognizable audio track.";
    case kMpeg: return "%s is a MPEG file. We cannot find a recognizable audio track.";
    case kMpeg4: return "%s is a MPEG-4 file. We cannot find a recognizable audio track.";
    default: return nullptr;
    }
}

CString Fill(const std::string& format, const CString& name)
{
    std::string text = format;
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, name.GetString());
    return text.c_str();
}

} // namespace

CString UFailureTexts::GetFailureText(CMediaFile2* file, bool audio, bool video, bool audioRequired)
{
    if (!file) return "Unknown error";
    CString extension = file->GetFilePath().GetFileNameOnly();
    const char* dot = std::strrchr(extension.GetString(), '.');
    extension = dot ? CString(dot + 1) : CString();
    extension.MakeLower();
    const bool hasVideo = file->GetVideoTrackCount() > 0;
    const bool hasAudio = file->GetAudioTrackCount() > 0;
    const Kind kind = KindOf(*file);

    std::string format;
    if (audio && video) {
        const char* appears = FindByExtension(kAppears, extension);
        format = appears ? std::string(appears) + " However, we failed to decode it."
                         : "%s does not contain recognizable video or audio.";
    } else if (audio) {
        const char* is = hasVideo && !hasAudio ? VideoWithoutAudio(kind, extension) : nullptr;
        const char* appears = is ? is : FindByExtension(kAppearsAudio, extension);
        format = appears ? appears : "%s does not contain recognizable audio.";
    } else if (video && audioRequired && hasVideo && !hasAudio) {
        format = "%s contains video but does not contain recognizable audio.";
    } else if (video) {
        const char* is = hasVideo ? UndecodedVideo(kind) : hasAudio ? AudioWithoutVideo(kind, extension) : nullptr;
        const char* appears = is ? is : FindByExtension(kAppearsVideo, extension);
        if (!appears) appears = FindByExtension(kAppears, extension);
        format = appears ? appears : "%s does not contain recognizable video.";
    } else {
        return "Unexpected error";
    }
    return Fill(format, file->GetFilePath().GetFileNameOnly());
}
