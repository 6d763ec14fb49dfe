#include "CSplitterInfo.h"

#include "CFileExtensionFilterData.h"
#include "CFileTypeData.h"
#include "CFilterData.h"
#include "EngineGuid.h"
#include "UDirectoryUtils.h"
#include "UPersistStorage.h"

#include <string>

MV_IMPLEMENT_PERSIST_CLASS(CSplitterInfo, CPersistObject, CSplitterInfo::kType)

const char* const CSplitterInfo::kFileName = "File Types.xml";
const char* const CSplitterInfo::kFileInfoName = "File Info";

namespace {

struct NamedId {
    const char* name;
    const char* id;  // null: the standard file reader
};

constexpr NamedId kFileSource{"File Source", nullptr};
constexpr NamedId kAviSplitter{"AVI Splitter", "{1B544C20-FD0B-11CE-8C63-00AA0044B51E}"};
constexpr NamedId kDvSplitter{"DV Splitter", "{4EB31670-9FC6-11CF-AF6E-00AA00B67A42}"};
constexpr NamedId kWavParse{"WAV Parse", "{D51BD5A1-7548-11CF-A520-0080C77EF58A}"};
constexpr NamedId kWavParser{"WAV Parser", "{D51BD5A1-7548-11CF-A520-0080C77EF58A}"};
constexpr NamedId kRealSplitter{"RealMedia Splitter", "{E21BE468-5C18-43EB-B0CC-DB93A847D769}"};
constexpr NamedId kMatroskaSplitter{"Mastroka Splitter", "{149D2E01-C32E-4939-80F6-C07B81015A7A}"};
constexpr NamedId kRadlightOgg{"Radlight OGG Splitter", "{1F6315AD-8396-4D41-94B8-A0FE653B0146}"};
constexpr NamedId kOggSplitter{"OGG Splitter", "{F07E245F-5A1F-4D1E-8BFF-DC31D84A55AB}"};
constexpr NamedId kAc3Splitter{"AC-3 Splitter", "{280A3020-86CF-11D1-ABE6-00A0C905F375}"};
constexpr NamedId kFlvSplitter{"FLV Splitter", "{47E792CF-0BBE-4F7A-859C-194B0768650A}"};
constexpr NamedId kMpeg1Splitter{"MPEG-1 Splitter", "{336475D0-942A-11CE-A870-00AA002FEAB5}"};
constexpr NamedId kMpeg2Demux{"MPEG-2 Demultiplexer", "{AFB6C280-2C41-11D3-8A60-0000F81E0E4A}"};
constexpr NamedId kMpeg2Splitter{"MPEG-2 Splitter", "{3AE86B20-7BE8-11D1-ABE6-00A0C905F375}"};
constexpr NamedId kElecardMpeg2{"Elecard MPEG-2 Splitter", "{731B8592-4001-46D4-B1A5-33EC792B4501}"};
constexpr NamedId kMainConceptMpeg2{"MainConcept MPEG-2 Splitter", "{2BE4D120-6F2E-4B3A-B0BD-E880917238DC}"};
constexpr NamedId kPixelaMpeg2{"Pixela MPEG-2 Splitter", "{F1388BEE-7140-4CD8-BF10-4565147E2B35}"};
constexpr NamedId k3ivxSplitter{"3ivx Splitter", "{52B63861-DC93-11CE-A099-00AA00479A58}"};
constexpr NamedId kQuickTime{"QuickTime Decoder", "{14574638-37E2-4CDB-88AF-9B4E3C337460}"};
constexpr NamedId kAsfReader{"ASF Reader", "{187463A0-5BB7-11D3-ACBE-0080C75E246E}"};
constexpr NamedId kWmSource{"WM Media Source", "{6B6D0800-9ADA-11D0-A520-00A0D10129C0}"};
constexpr NamedId kAsfAcm{"ASF ACM Handler", "{B9D1F321-C401-11D0-A520-000000000000}"};
constexpr NamedId kAsfIcm{"ASF ICM Handler", "{B9D1F322-C401-11D0-A520-000000000000}"};
constexpr NamedId kCdReader{"Audio CD Reader", "{A5243ECF-C4AB-42CB-9A4B-EAC90CE0DB19}"};
constexpr NamedId kApe{"RadLight APE Decoder", "{41FAF0F4-DCEC-4F6A-82D2-56E100F2A8E5}"};
constexpr NamedId kMpc{"RadLight MPC Decoder", "{876B9304-359C-42E2-864E-B98B03F33C9D}"};
constexpr NamedId kOptimFrog{"RadLight OptimFROG Decoder", "{68D6728A-D715-492A-A57B-8DDA01F4921F}"};
constexpr NamedId kTta{"RadLight TTA Decoder", "{30349568-DAB5-4FA9-B254-4D3BA77C7952}"};
constexpr NamedId kFfmpeg{"ffMpeg Decoder", "{F5D3F801-5C5A-4156-99B3-CB9372744FA4}"};
constexpr NamedId kCoreFlac{"Core FLAC", "{51D9596F-50F7-483D-934F-746378AA8CCC}"};
constexpr NamedId kShn{"SHN Decoder", "{C851B242-69C9-46A5-BF54-9FA1BBFF5F4C}"};
constexpr NamedId kWavPack{"WavPack Splitter", "{D8CF6A42-3E09-4922-A452-21DFF10BEEBA}"};

GUID IdOf(const NamedId& filter)
{
    return filter.id ? EngineGuid(filter.id) : GUID_NULL;
}

// A chain head with the alternative splitters that may follow it.
struct Chain {
    NamedId head;
    std::initializer_list<NamedId> splitters;
};

struct ExtensionChains {
    const char* extension;
    std::initializer_list<Chain> chains;
};

#define MV_MPEG_SPLITTERS kMpeg1Splitter, kMpeg2Demux, kMpeg2Splitter, kElecardMpeg2, kMainConceptMpeg2, kPixelaMpeg2
#define MV_ASF_CHAINS {kAsfReader, {}}, {kWmSource, {kAsfAcm, kAsfIcm}}, {kFfmpeg, {}}

const ExtensionChains kExtensionChains[] = {
    {"ac3", {{kFileSource, {kAc3Splitter}}, {kFfmpeg, {}}}},
    {"3gp", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"3gpp", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"3g2", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"aif", {{kFileSource, {kWavParse}}, {kQuickTime, {}}, {kFfmpeg, {}}}},
    {"aifc", {{kQuickTime, {}}, {kFileSource, {kWavParse}}, {kFfmpeg, {}}}},
    {"aiff", {{kFileSource, {kWavParse}}, {kQuickTime, {}}, {kFfmpeg, {}}}},
    {"ape", {{kApe, {}}, {kFfmpeg, {}}}},
    {"asf", {MV_ASF_CHAINS}},
    {"asx", {MV_ASF_CHAINS}},
    {"au", {{kFileSource, {kWavParse}}, {kQuickTime, {}}, {kFfmpeg, {}}}},
    {"avi", {{kFileSource, {kAviSplitter}}, {kFfmpeg, {}}}},  // DV Splitter follows below
    {"cda", {{kCdReader, {}}, {kFfmpeg, {}}}},
    {"dat", {{kFileSource, {MV_MPEG_SPLITTERS}}, {kFfmpeg, {}}}},
    {"divx", {{kFileSource, {kAviSplitter}}, {kFfmpeg, {}}}},
    {"dv", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"flac", {{kCoreFlac, {}}, {kFfmpeg, {}}}},
    {"flc", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"fli", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"flv", {{kFileSource, {kFlvSplitter}}, {kFfmpeg, {}}}},
    {"gif", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"ivf", {{kFileSource, {kAviSplitter}}, {kFfmpeg, {}}}},
    {"ivt", {{kFileSource, {kAviSplitter}}, {kFfmpeg, {}}}},
    {"m4a", {{kQuickTime, {}}, {kFileSource, {k3ivxSplitter}}, {kFfmpeg, {}}}},
    {"mka", {{kFileSource, {kMatroskaSplitter}}, {kFfmpeg, {}}}},
    {"mkv", {{kFileSource, {kMatroskaSplitter}}, {kFfmpeg, {}}}},
    {"mov", {{kQuickTime, {}}, {kFileSource, {k3ivxSplitter}}, {kFfmpeg, {}}}},
    {"mp1", {{kFileSource, {kMpeg1Splitter}}, {kFfmpeg, {}}}},
    {"mp2", {{kFileSource, {kMpeg1Splitter}}, {kFfmpeg, {}}}},
    {"mp3", {{kFileSource, {kMpeg1Splitter}}, {kQuickTime, {}}, {kFfmpeg, {}}}},
    {"mp4", {{kQuickTime, {}}, {kFileSource, {k3ivxSplitter}}, {kFfmpeg, {}}}},
    {"mpa", {{kFileSource, {kMpeg1Splitter}}, {kFfmpeg, {}}}},
    {"mpc", {{kMpc, {}}, {kFfmpeg, {}}}},
    {"mpg", {{kFileSource, {MV_MPEG_SPLITTERS}}, {kFfmpeg, {}}}},
    {"mpv", {{kFileSource, {MV_MPEG_SPLITTERS}}, {kFfmpeg, {}}}},
    {"ofr", {{kOptimFrog, {}}, {kFfmpeg, {}}}},
    {"ogg", {{kFileSource, {kRadlightOgg, kOggSplitter}}, {kFfmpeg, {}}}},
    {"ogm", {{kFileSource, {kRadlightOgg, kOggSplitter}}, {kFfmpeg, {}}}},
    {"ra", {{kFileSource, {kRealSplitter}}, {kFfmpeg, {}}}},
    {"ram", {{kFileSource, {kRealSplitter}}, {kFfmpeg, {}}}},
    {"rm", {{kFileSource, {kRealSplitter}}, {kFfmpeg, {}}}},
    {"sd2", {{kQuickTime, {}}, {kFfmpeg, {}}}},
    {"shn", {{kFileSource, {kShn}}, {kFfmpeg, {}}}},
    {"snd", {{kFileSource, {kWavParser}}, {kQuickTime, {}}, {kFfmpeg, {}}}},
    {"tta", {{kTta, {}}, {kFfmpeg, {}}}},
    {"vob",
     {{kFileSource, {kMpeg2Demux, kMpeg2Splitter, kMpeg1Splitter, kElecardMpeg2, kMainConceptMpeg2, kPixelaMpeg2}},
      {kFfmpeg, {}}}},
    {"wav", {{kFileSource, {kWavParse}}, {kFfmpeg, {}}}},
    {"wma", {MV_ASF_CHAINS}},
    {"wmv", {MV_ASF_CHAINS}},
    {"wv", {{kFileSource, {kWavPack}}, {kFfmpeg, {}}}},
    {"xvid", {{kFileSource, {kAviSplitter}}, {kFfmpeg, {}}}},
};

#undef MV_MPEG_SPLITTERS
#undef MV_ASF_CHAINS

struct DefaultFileType {
    const char* name;
    bool video;
    bool audio;
    std::initializer_list<const char*> extensions;
};

const DefaultFileType kFileTypes[] = {
    {"CDA - Audio Track", false, true, {"cda"}},
    {"AC3 - Dolby Digital AC-3", false, true, {"ac3"}},
    {"AIF - Apple Interchange Format", false, true, {"aif", "aiff", "aifc"}},
    {"APE - Monkey Audio", false, true, {"ape"}},
    {"AU - Unix Audio", false, true, {"au"}},
    {"FLAC - Free Lossless Audio Codec", false, true, {"flac"}},
    {"M4A - MPEG-4 Audio", false, true, {"m4a"}},
    {"MKA - Matroska Audio", false, true, {"mka"}},
    {"MP3 - MPEG Layer-3", false, true, {"mp3"}},
    {"MPA - MPEG Audio", false, true, {"mp1", "mp2", "mpa"}},
    {"MPC - MPEG Plus", false, true, {"mpc"}},
    {"OFR - OptimFROG", false, true, {"ofr"}},
    {"OGG - OGG Vorbis", false, true, {"ogg"}},
    {"RA - RealAudio", false, true, {"ra", "ram"}},
    {"SD2 - Sound Designer 2", false, true, {"sd2"}},
    {"SHN - Shortened WAV Format", false, true, {"shn"}},
    {"SND - Unix Sound", false, true, {"snd"}},
    {"TTA - The True Audio Encoder", false, true, {"tta"}},
    {"WAV - Waveform", false, true, {"wav"}},
    {"WMA - Windows Media Audio", false, true, {"wma"}},
    {"WV - WavPack Audio", false, true, {"wv"}},
    {"3GP - Mobile Phone Video", true, true, {"3gp", "3gpp", "3g2"}},
    {"ASF - Advanced Streaming Format", true, true, {"asf", "asx"}},
    {"AVI - Audio Visual Interleave", true, true, {"avi"}},
    {"DAT - VCD Video", true, true, {"dat"}},
    {"DIVX - DivX Video", true, true, {"divx"}},
    {"DV - MiniDV", true, true, {"dv"}},
    {"FLIC - Flic Animation", true, false, {"flc", "fli"}},
    {"FLV - Flash Video", true, true, {"flv"}},
    {"GIF - Animated GIF", true, false, {"gif"}},
    {"IVF - Intel Video Technology", true, true, {"ivf", "ivt"}},
    {"MKA - Matroska Video", true, true, {"mkv"}},
    {"MOV - QuickTime Movie", true, true, {"mov"}},
    {"MP4 - MPEG-4 Video", true, true, {"mp4"}},
    {"MPG - MPEG-1 Video", true, true, {"mpg", "mpv"}},
    {"OGM - OGG Media", true, true, {"ogm"}},
    {"RM - RealMedia", true, true, {"rm", "ram", "rmvb"}},
    {"WMV - Windows Media Video", true, true, {"wmv"}},
    {"XVID - Xvid Video", true, true, {"xvid"}},
};

}  // namespace

CSplitterInfo::CSplitterInfo()
{
    LoadXml();
    AddDefaultFileSources();
    AddDefaultFileTypes();
    AddDefaultFileExtensions();
}

CSplitterInfo::CSplitterInfo(const CSplitterInfo& other)
    : CPersistObject(other), m_data(other.m_data), m_path(other.m_path)
{
}

CSplitterInfo& CSplitterInfo::operator=(const CSplitterInfo& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_data = other.m_data;
    m_path = other.m_path;
    return *this;
}

CSplitterInfo::~CSplitterInfo()
{
    SaveXml();
}

bool CSplitterInfo::LoadXml()
{
    // Saved back where it was read, whatever folders are in force when the process ends.
    m_path = CString(UDirectoryUtils::GetCommonAppDataDirectory()) + kFileName;
    return UPersistStorage::LoadFile(m_data, kFileInfoName, m_path);
}

bool CSplitterInfo::SaveXml()
{
    if (m_path.IsEmpty()) m_path = CString(UDirectoryUtils::GetCommonAppDataDirectory()) + kFileName;
    // The data folder it was read from may be gone since (a test's own home): it is not made again.
    std::string dataFolder(m_path.GetString());
    for (int level = 0; level < 2 && dataFolder.rfind('/') != std::string::npos; ++level)
        dataFolder.erase(dataFolder.rfind('/'));
    if (!dataFolder.empty() && !UDirectoryUtils::Exist(dataFolder.c_str())) return false;
    return UPersistStorage::SaveFile(m_data, kFileInfoName, m_path);
}

void CSplitterInfo::AddDefaultFileSources()
{
    CFilterData* source = m_data.AddFileSource(kFileSource.name, GUID_NULL);
    const NamedId splitters[] = {kAviSplitter,  kWavParse,      kRealSplitter,    kMatroskaSplitter, kRadlightOgg,
                                 kOggSplitter,  kAc3Splitter,   kFlvSplitter,     kMpeg1Splitter,    kMpeg2Demux,
                                 kMpeg2Splitter, kElecardMpeg2, kMainConceptMpeg2, kPixelaMpeg2,     k3ivxSplitter};
    for (const NamedId& splitter : splitters) AddSplitter(source, splitter.name, IdOf(splitter));
    AddSplitter(source->FindNextFilter(IdOf(kAviSplitter)), kDvSplitter.name, IdOf(kDvSplitter));

    for (const NamedId& decoder : {kQuickTime, kAsfReader}) m_data.AddFileSource(decoder.name, IdOf(decoder));
    CFilterData* wm = m_data.AddFileSource(kWmSource.name, IdOf(kWmSource));
    AddSplitter(wm, kAsfAcm.name, IdOf(kAsfAcm));
    AddSplitter(wm, kAsfIcm.name, IdOf(kAsfIcm));
    for (const NamedId& decoder : {kCdReader, kApe, kMpc, kOptimFrog, kTta, kFfmpeg})
        m_data.AddFileSource(decoder.name, IdOf(decoder));
}

void CSplitterInfo::AddDefaultFileTypes()
{
    for (const DefaultFileType& type : kFileTypes) {
        CFileTypeData* entry = m_data.AddFileType(type.name, type.video, type.audio);
        for (const char* extension : type.extensions) AddExtension(entry, extension);
    }
}

void CSplitterInfo::AddDefaultFileExtensions()
{
    for (const ExtensionChains& entry : kExtensionChains) {
        CFileExtensionFilterData* extension = m_data.AddExtension(entry.extension);
        for (const Chain& chain : entry.chains) {
            CFilterData* head = extension->AddFilter(chain.head.name, IdOf(chain.head));
            for (const NamedId& splitter : chain.splitters) AddSplitter(head, splitter.name, IdOf(splitter));
        }
    }
    CFilterData* source = m_data.FindExtension("avi")->FindFilter(GUID_NULL);
    if (source) AddSplitter(source->FindNextFilter(IdOf(kAviSplitter)), kDvSplitter.name, IdOf(kDvSplitter));
}

void CSplitterInfo::AddSplitter(CFilterData* filter, const char* name, const GUID& id)
{
    if (filter) filter->AddNextFilter(name, id);
}

void CSplitterInfo::AddExtension(CFileTypeData* fileType, const char* extension)
{
    if (fileType) fileType->AddExtension(extension);
}

void CSplitterInfo::AddExtensionFilter(CFileExtensionFilterData* entry, const char* name, const GUID& id)
{
    if (entry) entry->AddFilter(name, id);
}

void CSplitterInfo::AddExtension(const char* extension, const char* readerName, const GUID& readerId,
                                 const char* splitterName, const GUID& splitterId, const char* splitter2Name,
                                 const GUID& splitter2Id)
{
    CFilterData* reader = m_data.AddExtension(extension)->AddFilter(readerName, readerId);
    if (splitterId == GUID_NULL) return;
    CFilterData* splitter = reader->AddNextFilter(splitterName, splitterId);
    if (splitter2Id == GUID_NULL) return;
    splitter->AddNextFilter(splitter2Name, splitter2Id);
}
