#include "CFormatTypes.h"

#include "CDirectShowSystem2.h"
#include "CFilePrompter.h"
#include "CTvCodecOption.h"
#include "EngineGuid.h"
#include "StApplicationId.h"

#include <initializer_list>

CFormatTypes* CFormatTypes::sFormatTypes = nullptr;

namespace {

const char* const kAviMux = "{E2510970-F137-11CE-8B67-00AA00A3F1A6}";
const char* const kDvMux = "{129D7E40-C10D-11D0-AFB9-00AA00B67A42}";

struct BuiltInRow {
    ESplitterType type;
    ESplitterType alias;  // alias rows take mask and multiplexer from this row
    const char* name;
    const char* audioName;
    LONG mask;
    const char* video;
    const char* audio;
    const char* mux;
    const char* writer;
    ETypeConfigure configure;
    DWORD quickTime;
};

constexpr DWORD k3gpp = static_cast<DWORD>(FourCharCode("3gpp"));
constexpr DWORD kDvc = static_cast<DWORD>(FourCharCode("dvc!"));
constexpr DWORD kMpg4 = static_cast<DWORD>(FourCharCode("mpg4"));
constexpr DWORD kMoov = static_cast<DWORD>(FourCharCode("MooV"));

// Rows 640, 600 and 601 pick their writer by application below.
const BuiltInRow kRows[] = {
    {630, 0, "3GP - 3GPP GSM Mobile Phone Video", "", 3, "3gp", "", nullptr, nullptr, 1, k3gpp},
    {631, 0, "3G2 - 3GPP2 CDMA Mobile Phone Video", "", 3, "3g2", "", nullptr, nullptr, 1, k3gpp},
    {650, 0, "", "AIF - Audio Interchanged File Format", 2, "", "aif", nullptr, nullptr, 0, 0},
    {1600, 0, "Animated GIF", "", 1, "gif", "", "{6C1D2E4B-93A0-4F57-8B2E-51D70A64C913}", nullptr, 0, 0},
    {100, 0, "AVI - Audio Video Interleave", "AVI (Audio Only)", 3, "avi", "avi", kAviMux, nullptr, 0, 0},
    {110, 0, "AVI-DV (Type-1)", "", 3, "avi", "", kDvMux, nullptr, 0, 0},
    {120, 100, "DivX ;)", "", 0, "divx", "", nullptr, nullptr, 0, 0},
    {900, 0, "DV - Digital Video", "", 3, "dv", "", kDvMux, nullptr, 0, 0},
    {610, 0, "DV - Digital Video (QuickTime Engine)", "", 3, "dv", "", nullptr, nullptr, 1, kDvc},
    {611, 0, "DVPRO - Digital Video (QuickTime Engine)", "", 3, "dv", "", nullptr, nullptr, 1, kDvc},
    {620, 0, "FLC - FLIC Animation", "", 1, "flc", "", nullptr, "{4B7DC760-34AE-4654-8E8B-E720657BCC76}", 0, 0},
    {1700, 0, "Image Files", "", 1, "Images", "", nullptr, "{0ED94708-EE06-426B-B730-25698EEF3C82}", 0, 0},
    {1800, 0, "FTP - Image Upload", "", 1, "", "", nullptr, nullptr, 0, 0},
    {1200, 0, "MKV - Matroska Video", "MKA - Matroska Audio", 3, "mkv", "mka",
     "{1E1299A2-9D42-4F12-8791-D79E376F4143}", nullptr, 0, 0},
    {350, 0, "", "MP3 - MPEG Layer-3", 2, "", "mp3", "{9C3E6FDF-779A-4CAD-AE00-40175CD89F58}", nullptr, 0, 0},
    {640, 0, "MP4 - MPEG-4", "M4A - MPEG-4 Audio", 3, "mp4", "m4a", nullptr, nullptr, 1, kMpg4},
    {2022, 0, "MP4 - MPEG-4 (PSP)", "", 3, "mp4", "", nullptr, "{2364A99C-24BF-41A4-ADAA-755A542717DC}", 0, 0},
    {1100, 0, "OGM - OGG Media", "OGG - OGG Audio", 3, "ogm", "ogg", "{8CAE96B7-85B1-4605-B23C-17FF5262B296}",
     nullptr, 0, 0},
    {600, 0, "MOV - QuickTime Movie", "MOV - QuickTime Audio", 3, "mov", "mov", nullptr, nullptr, 0, kMoov},
    {601, 0, "MOV - QuickTime Movie (Export Engine)", "MOV - QuickTime Audio (Export Engine)", 3, "mov", "mov",
     nullptr, nullptr, 1, kMoov},
    {1000, 0, "RM - RealMedia", "RA - RealAudio", 123, "rm,rmvb", "ra", nullptr,
     "{D6227529-BB2F-4281-AAAB-5146344EB3B3}", 0, 0},
    {500, 0, "", "WAV - Waveform", 2, "", "wav", "{C346556E-3A7D-4BE0-9817-4A2A2DD87EF7}", nullptr, 0, 0},
    {200, 0, "WMV - Windows Media Video", "WMA - Windows Media Audio", 3, "wmv", "wma", nullptr, nullptr, 0, 0},
    {250, 0, "WMV - Windows Media Video (Profile)", "WMA - Windows Media Audio (Profile)", 4, "wmv", "wma", nullptr,
     nullptr, 0, 0},
    {251, 0, "WMV - Windows Media Video (Profile Customized)", "", 4, "wmv", "", nullptr, nullptr, 0, 0},
    {252, 0, "WMV - Windows Media Video (Profile Customized)", "WMA - Windows Media Audio (Profile)", 7, "wmv", "wma",
     nullptr, nullptr, 0, 0},
    {130, 100, "XviD", "", 0, "xvid", "", nullptr, nullptr, 0, 0},
    // The MPEG and ff writers' types: without a row no stream would reach their writers.
    // The MPEG-1 system stream of sound alone is plain MPEG audio.
    {300, 0, "MPEG-1 - MPEG-1 System Stream", "", 3, "mpg", "mp3", nullptr, "{3690DD35-542A-482A-A21C-63142EF9BC6F}",
     0, 0},
    {310, 0, "VCD - Video CD", "", 3, "mpg", "", nullptr, "{3690DD35-542A-482A-A21C-63142EF9BC6F}", 0, 0},
    {400, 0, "MPEG-2 - MPEG-2 Program Stream", "", 3, "mpg", "", nullptr, "{3690DD35-542A-482A-A21C-63142EF9BC6F}",
     0, 0},
    {410, 0, "SVCD - Super Video CD", "", 3, "mpg", "", nullptr, "{3690DD35-542A-482A-A21C-63142EF9BC6F}", 0, 0},
    {420, 0, "DVD - DVD Video", "", 3, "vob", "", nullptr, "{3690DD35-542A-482A-A21C-63142EF9BC6F}", 0, 0},
    {2000, 0, "MPEG-1 - MPEG-1 System Stream (ffmpeg)", "", 3, "mpg", "", nullptr,
     "{8F3AB018-FD82-43AC-AB53-4B817B671B43}", 0, 0},
    {2040, 0, "SWF - Flash Movie (ffmpeg)", "", 3, "swf", "", nullptr, "{C61BC27B-83BE-4B6A-9426-2F0A385B15FD}", 0, 0},
    {2041, 0, "FLV - Flash Video (ffmpeg)", "", 3, "flv", "", nullptr, "{730BC1AE-0CC6-42E9-95B4-2C6DE26C969F}", 0, 0},
};

template <typename T>
bool IsOneOf(T value, std::initializer_list<T> values)
{
    for (T each : values)
        if (each == value) return true;
    return false;
}

bool IdIn(unsigned long id, std::initializer_list<unsigned long> ids) { return IsOneOf(id, ids); }
bool TypeIn(ESplitterType type, std::initializer_list<ESplitterType> types) { return IsOneOf(type, types); }

// The writer of rows whose writer differs between applications.
const char* WriterByApplication(ESplitterType type)
{
    const unsigned long id = StApplicationId::Id();
    switch (type) {
    case 640:
        return IdIn(id, {10001, 31198, 59301, 87232}) ? "{4082751B-B509-435D-AAC4-D592DA95C6FF}"
                                                      : "{BC99931A-8215-4F53-8762-9366AD8DA03A}";
    case 600:
        return IdIn(id, {10001, 59301, 64481}) ? "{01D320CB-FD6F-4893-93CC-720B6F06252C}"
                                               : "{733E3501-32ED-40EB-BDFB-842ECEA4822F}";
    case 601:
        return IdIn(id, {10001, 59301, 64481}) ? "{BC6F00DB-F7E1-4EF6-A868-B88948EC7240}"
                                               : "{69C23747-D4A8-42CE-B9E7-45540981E015}";
    default:
        return nullptr;
    }
}

// Step 1 of SupportedByApp: what each application limits itself to.
bool OfferedByApplication(unsigned long id, ESplitterType type)
{
    switch (id) {
    case 11097:
    case 19084:
        return !TypeIn(type, {100, 120, 130});
    case 20000:
        return TypeIn(type, {100, 200, 600, 1600});
    case 29771:
    case 81932:
        return type == 100;
    case 49534:
        return TypeIn(type, {200, 250});
    case 95505:
        return TypeIn(type, {100, 110});
    default:
        return true;
    }
}

// Step 2: types only some applications offer.
bool TypeOfferedTo(unsigned long id, ESplitterType type)
{
    switch (type) {
    case 2022:
        return IdIn(id, {59301, 27746, 10001});
    case 1800:
        return IdIn(id, {19084, 56631});
    case 421:
        return id == 50957;
    case 110:
    case 610:
    case 611:
    case 900:
        return !IdIn(id, {49661, 56631, 79001, 11097, 19084});
    case 250:
        return id != 79001;
    case 251:
        return id == 79001;
    case 252:
        return IdIn(id, {59301, 44033, 99087, 19237, 10001});
    default:
        return true;
    }
}

}  // namespace

CFormatTypes::CFormatTypes()
{
    if (!sFormatTypes) sFormatTypes = this;
    AddBuiltInTypes();
}

CFormatTypes::~CFormatTypes()
{
    if (sFormatTypes == this) sFormatTypes = nullptr;
    for (int i = 0; i < m_rows.GetItemCount(); ++i)
        delete static_cast<CFormatType*>(m_rows.GetAt(i));
    m_rows.RemoveAll();
}

void CFormatTypes::AddBuiltInTypes()
{
    for (const BuiltInRow& r : kRows) {
        CFormatType* row = r.alias ? AddFileType(r.type, r.alias, r.name, r.audioName)
                                   : AddFileType(r.type, r.name, r.audioName, r.mask);
        if (!row) continue;
        row->SetExtensions(r.video, r.audio);
        if (r.mux) row->SetMuxId(EngineGuid(r.mux));
        const char* writer = r.writer ? r.writer : WriterByApplication(r.type);
        if (writer) row->SetFileWriterId(EngineGuid(writer));
        row->SetConfigureFlag(r.configure);
        row->SetFlag1(r.quickTime);
    }
    FindFileType(100)->SetMinimumFrameRate(2.5);
    FindFileType(110)->SetMux2Id(EngineGuid(kAviMux));
    FindFileType(120)->SetAliasFilter("divx");
    FindFileType(130)->SetAliasFilter("xvid");
    FindFileType(1600)->SetAllowLoop(true);
    for (ESplitterType dv : {110, 900, 610}) AddDvTvOptions(FindFileType(dv), false);
    AddDvTvOptions(FindFileType(611), true);
}

// NTSC 720 x 480 and PAL 720 x 576; DVPRO takes 48 kHz sound only.
void CFormatTypes::AddDvTvOptions(CFormatType* row, bool only48k)
{
    if (!row) return;
    static const struct {
        ETvType type;
        unsigned short width, height;
    } kStandards[] = {{1, 720, 480}, {2, 720, 576}};
    static const struct {
        ULONG rate, bytesPerSecond;
    } kAudio[] = {{32000, 128000}, {44100, 176400}, {48000, 192000}};
    for (const auto& standard : kStandards) {
        CTvCodecOption* option = row->Add(standard.type);
        option->AddVideoSetting(standard.width, standard.height);
        for (const auto& audio : kAudio)
            if (!only48k || audio.rate == 48000) option->AddAudioSetting(audio.rate, 2, 16, audio.bytesPerSecond);
    }
}

CFormatType* CFormatTypes::Append(CFormatType* row)
{
    m_rows.Add(row);
    return row;
}

CFormatType* CFormatTypes::AddFileType(ESplitterType type, const char* name, const char* audioName, LONG interfaceMask)
{
    auto* row = new CFormatType;
    row->SetSplitterType(type);
    row->SetName(name ? name : "");
    row->SetAudioTypeName(audioName ? audioName : "");
    row->SetInterfaceType(interfaceMask);
    return Append(row);
}

CFormatType* CFormatTypes::AddFileType(ESplitterType type, ESplitterType aliased, const char* name,
                                       const char* audioName)
{
    const CFormatType* original = FindFileType(aliased);
    if (!original) return nullptr;
    CFormatType* row = AddFileType(type, name, audioName, original->GetInterfaceType());
    row->SetAlias(aliased);
    row->SetMuxId(original->GetMuxId());
    return row;
}

CFormatType* CFormatTypes::CopyFileType(const CFormatType& row)
{
    auto* copy = new CFormatType;
    *copy = row;
    return Append(copy);
}

CFormatType* CFormatTypes::GetFileType(int index) const
{
    return static_cast<CFormatType*>(m_rows.GetAt(index));
}

CFormatType* CFormatTypes::FindFileType(ESplitterType type) const
{
    for (int i = 0; i < m_rows.GetItemCount(); ++i) {
        CFormatType* row = GetFileType(i);
        if (row->GetSplitterType() == type) return row;
    }
    return nullptr;
}

CFormatType* CFormatTypes::FindFileType(const char* name) const
{
    if (!name) return nullptr;
    for (int i = 0; i < m_rows.GetItemCount(); ++i) {
        CFormatType* row = GetFileType(i);
        if ((row->GetName() == name || row->GetAudioTypeName() == name) && SupportedByApp(row->GetSplitterType()))
            return row;
    }
    return nullptr;
}

ESplitterType CFormatTypes::GetFileTypeFromName(const char* name) const
{
    const CFormatType* row = FindFileType(name);
    return row ? row->GetSplitterType() : 0;
}

DWORD CFormatTypes::FindQuickTimeTypeFromSplitterType(ESplitterType type) const
{
    for (int i = 0; i < m_rows.GetItemCount(); ++i) {
        const CFormatType* row = GetFileType(i);
        if (row->GetConfigureFlag() == 1 && row->GetSplitterType() == type) return row->GetFlag1();
    }
    return 0;
}

ESplitterType CFormatTypes::FindSplitterTypeFromQuickTimeType(DWORD code) const
{
    for (int i = 0; i < m_rows.GetItemCount(); ++i) {
        const CFormatType* row = GetFileType(i);
        if (row->GetConfigureFlag() == 1 && row->GetFlag1() == code) return row->GetSplitterType();
    }
    return 0;
}

CString CFormatTypes::GetFileTypeName(ESplitterType type, bool audio) const
{
    const CFormatType* row = FindFileType(type);
    if (!row) return CString();
    return audio ? row->GetAudioTypeName() : row->GetName();
}

CString CFormatTypes::GetFileExtension(ESplitterType type, bool audio, bool second) const
{
    const CFormatType* row = FindFileType(type);
    if (!row) return CString();
    return audio ? row->GetAudioExtension() : row->GetVideoExtension(second);
}

bool CFormatTypes::UseInterface(ESplitterType type, LONG interfaceType) const
{
    const CFormatType* row = FindFileType(type);
    return row && row->AllowInterface(interfaceType);
}

void CFormatTypes::ReplaceMuxId(ESplitterType type, const GUID& id)
{
    if (!sFormatTypes) return;
    if (CFormatType* row = sFormatTypes->FindFileType(type)) row->SetMuxId(id);
}

bool CFormatTypes::SupportedByApp(ESplitterType type)
{
    const unsigned long id = StApplicationId::Id();
    if (!OfferedByApplication(id, type) || !TypeOfferedTo(id, type)) return false;
    // By media: an engine for sound alone offers only types with an audio name, one for
    // pictures alone only types with a name.
    const CFormatType* row = sFormatTypes && id != 95505 ? sFormatTypes->FindFileType(type) : nullptr;
    if (!row) return true;
    const bool video = CDirectShowSystem2::sNeedsVideo, audio = CDirectShowSystem2::sNeedsAudio;
    if (video && !audio) return !row->GetName().IsEmpty();
    if (audio && !video) return !row->GetAudioTypeName().IsEmpty();
    return true;
}

bool CFormatTypes::FillFileSavePrompter(CFilePrompter& prompter, bool audio, ESplitterType type, bool second)
{
    const CFormatType* row = sFormatTypes ? sFormatTypes->FindFileType(type) : nullptr;
    if (!row) return false;
    const CString& extension = audio ? row->GetAudioExtension() : row->GetVideoExtension(second);
    CString description = audio ? row->GetAudioTypeName() : row->GetName();
    description += " (*.";
    description += extension;
    description += ")";
    prompter.AddFilter(extension, description);
    return true;
}
