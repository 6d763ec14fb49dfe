#include "UFilePrompterTypes.h"
#include "CFilePrompter.h"

#include <initializer_list>

namespace {

struct Filter {
    const char* pattern;
    const char* description;
};

// Open filters, one of each kind as the lists below use them.
constexpr Filter k3gp{"*.3gp;*.3g2", "3GPP/3GPP2 - Mobile Phone Video (*.3gp;*.3g2)"};
constexpr Filter kAsf{"*.asf;*.asx", "ASF - Advanced Streaming Format (*.asf;*.asx)"};
constexpr Filter kAvi{"*.avi", "AVI - Audio Visual Interleave (*.avi)"};
constexpr Filter kDat{"*.dat", "DAT - VCD Media File (*.dat)"};
constexpr Filter kDivx{"*.divx", "DIVX - DivX Video (*.divx)"};
constexpr Filter kDv{"*.dv", "DV - Digital Video (*.dv)"};
constexpr Filter kFlc{"*.flc;*.fli", "FLC/FLI - Autodesk Animator Flic Files (*.flc;*.fli)"};
constexpr Filter kFlv{"*.flv", "FLV - Flash Video (*.flv)"};
constexpr Filter kAnimatedGif{"*.gif", "GIF - Animated GIF (*.gif)"};
constexpr Filter kIvf{"*.ivf", "IVF - Intel Video Technology (*.ivf)"};
constexpr Filter kMkv{"*.mkv", "MKV - Matroska (*.mkv)"};
constexpr Filter kMovQt{"*.mov;*.qt", "MOV/QT - QuickTime (*.mov;*.qt)"};
constexpr Filter kMov{"*.mov;*.qt", "MOV - QuickTime (*.mov;*.qt)"};
constexpr Filter kMp4{"*.mp4", "MP4 - MPEG-4 (*.mp4)"};
constexpr Filter kMpg{"*.mpg;*.mpeg;*.mp1;*.mpe", "MPG - MPEG Video (*.mpg;*.mpeg;*.mp1;*.mp2;*.mpv;*.mpe)"};
constexpr Filter kMpgMedia{"*.mpg;*.mpeg;*.mp1;*.mpe;*.mpe",
                           "MPG - MPEG Video (*.mpg;*.mpeg;*.mp1;*.mp2;*.mpv;*.mpe;*.mpe)"};
constexpr Filter kOgm{"*.ogm", "OGM - OGG Media (*.ogm)"};
constexpr Filter kRm{"*.rm;*.rmvb;*.rpx;*.smi;*.smil", "RM - RealMedia (*.rm;*.rmvb;*.rpx;*.smi;*.smil)"};
constexpr Filter kVob{"*.vob", "VOB - DVD Video Object (*.vob)"};
constexpr Filter kWmv{"*.wmv", "WMV - Windows Media Video (*.wmv)"};
constexpr Filter kXvid{"*.xvid", "XVID - XviD Video (*.xvid)"};

constexpr Filter kAc3{"*.ac3", "AC3 - Dolby Digital (*.ac3)"};
constexpr Filter kApe{"*.ape", "APE - Monkey Audio (*.ape)"};
constexpr Filter kAif{"*.aif;*.aifc;*.aiff", "AIFF/AIFC - MacOS AIFF (*.aif;*.aifc;*.aiff)"};
constexpr Filter kAu{"*.au", "AU - Sun Microsystems and NeXT Audio (*.au)"};
constexpr Filter kFlac{"*.flac", "FLAC - Free Lossless Audio Codec (*.flac)"};
constexpr Filter kM4a{"*.mp4;*m4a", "M4A - MPEG-4 Audio(*.mp4;*.m4a)"};
constexpr Filter kMka{"*.mka", "MKA - Matroska Audio (*.mka)"};
constexpr Filter kMp3{"*.mp3", "MP3 - MPEG Layer-3 Audio(*.mp3)"};
constexpr Filter kMpa{"*.mpa;*.mp1;*.mp2", "MPA - MPEG Audio(*.mpa;*.mp1;*mp2)"};
constexpr Filter kMpc{"*.mpc", "MPC - MPEG Plus/Musepack(*.mpc)"};
constexpr Filter kOfr{"*.ofr", "OFR - OptimFROG (*.ofr)"};
constexpr Filter kOgg{"*.ogg", "OGG - OGG Vorbis (*.ogg)"};
constexpr Filter kRa{"*.ra;*.ram", "RA - RealAudio (*.ra;*.ram)"};
constexpr Filter kTta{"*.tta", "TTA - The True Audio Encoder(*.tta)"};
constexpr Filter kSd2{"*.sd2", "SD2 - Sound Designer 2 (*.sd2)"};
constexpr Filter kShn{"*.shn", "SHN - Shortened WAV Format (*.shn)"};
constexpr Filter kSnd{"*.snd", "SND - Sound File (*.snd)"};
constexpr Filter kWav{"*.wav", "WAV - Audio for Windows (*.wav)"};
constexpr Filter kWma{"*.wma", "WMA - Windows Media Audio (*.wma)"};

constexpr Filter kBmp{"*.bmp", "BMP - Windows Bitmap (*.bmp)"};
constexpr Filter kGif{"*.gif", "GIF - GIF (*.gif)"};
constexpr Filter kJpg{"*.jpg;*.jpeg", "JPG - JPEG (*.jpg;*.jpeg)"};

void Add(CFilePrompter* prompter, std::initializer_list<Filter> filters)
{
    for (const Filter& filter : filters) prompter->AddFilter(filter.pattern, filter.description);
}

} // namespace

void UFilePrompterTypes::FillOpenPrompter(CFilePrompter* prompter, long type, long kind)
{
    if (!prompter) return;
    if (kind == 1) {
        Add(prompter, {k3gp, kAsf, kAvi, kDat, kDivx, kDv, kFlc, kFlv, kAnimatedGif, kIvf, kMkv, kMovQt, kMp4, kMpg,
                       kOgm, kRm, kVob, kWmv, kXvid});
    } else if (kind == 2 && type == 1) {
        Add(prompter, {k3gp, kAsf, kAvi, kDat, kDivx, kDv, kFlv, kMkv, kMovQt, kMp4, kMpgMedia, kOgm, kRm, kVob, kWmv,
                       kXvid});
    } else if (kind == 2 && type == 2) {
        Add(prompter, {kAc3, kApe, kAif, kAu, kFlac, kM4a, kMka, kMp3, kMpa, kMpc, kOfr, kOgg, kRa, kTta, kSd2, kShn,
                       kSnd, kWav, kWma});
    } else if (kind == 2) {
        Add(prompter, {k3gp, kAc3, kAif, kApe, kAsf, kAu, kAvi, kDat, kDivx, kDv, kFlac, kFlv, kIvf, kM4a, kMka, kMkv,
                       kMov, kMp3, kMp4, kMpa, kMpc, kMpg, kOfr, kOgg, kOgm, kRa, kRm, kSd2, kShn, kSnd, kTta, kVob,
                       kWav, kWma, kWmv, kXvid});
    } else if (kind == 8) {
        Add(prompter, {kBmp, kGif, kJpg});
    }
}

void UFilePrompterTypes::FillSavePrompter(CFilePrompter* prompter, long type, ESplitterType container)
{
    if (!prompter) return;
    Filter filter{nullptr, nullptr};
    if (type == 1) {
        switch (container) {
        case 100: filter = {"*.avi", "Audio Visual Interleave (*.avi)"}; break;
        case 120: filter = {"*.divx", "DivX Video (*.divx)"}; break;
        case 130: filter = {"*.xvid", "XviD Video (*.xvid)"}; break;
        case 200: case 250: case 251: case 252: filter = {"*.wmv", "Windows Media Video (*.wmv)"}; break;
        case 300: case 400: filter = {"*.mpg", "MPEG Video (*.mpg)"}; break;
        case 620: filter = {"*.flc", "FLIC Animation (*.flc)"}; break;
        case 900: filter = {"*.dv", "Digital video (*.dv)"}; break;
        case 1100: filter = {"*.ogm", "OGG Media (*.ogm)"}; break;
        default: break;
        }
    } else if (type == 2) {
        switch (container) {
        case 100: filter = {"*.avi", "Audio Visual Interleave (*.avi)"}; break;
        case 200: case 250: filter = {"*.wma", "Windows Media Audio (*.wma)"}; break;
        case 300: filter = {"*.mp3", "MPEG Layer-3 Audio(*.mp3)"}; break;
        case 500: filter = {"*.wav", "Audio for Windows (*.wav)"}; break;
        case 1100: filter = {"*.ogg", "OGG Vorbis (*.ogg)"}; break;
        default: break;
        }
    }
    if (filter.pattern) prompter->AddFilter(filter.pattern, filter.description);
}
