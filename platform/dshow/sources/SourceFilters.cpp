#include "dshow/FileSource.h"
#include "dshow/FilterRegistry.h"
#include "dshow/asf/WmMediaSource.h"
#include "dshow/sources/AsyncFileSource.h"
#include "dshow/sources/MultiFileSource.h"
#include "dshow/sources/SourceIds.h"
#include "dshow/sources/TestPatternSource.h"
#include "dshow/sources/TestToneSource.h"
#include "dshow/splitters/DemuxSplitter.h"
#include "dshow/splitters/SplitterIds.h"

#include <utility>

namespace {

struct ParserKind {
    const CLSID* clsid;
    const char* name;
    const char* formats; // container short names; null: every container
    bool splitter;       // fed by a file source's stream; else loads a file by name
};

constexpr const char* kMpegSystems = "mpeg,mpegts,mpegvideo,mp3";

const ParserKind kKinds[] = {
    {&CLSID_WavParser, "WAV Parse", "wav,w64,aiff,au,voc,caf", true},
    {&CLSID_AviSplitter, "AVI Splitter", "avi", true},
    {&CLSID_Mpeg1Splitter, "MPEG-1 Splitter", kMpegSystems, true},
    {&CLSID_Mpeg2Demultiplexer, "MPEG-2 Demultiplexer", kMpegSystems, true},
    {&CLSID_Mpeg2Splitter, "MPEG-2 Splitter", kMpegSystems, true},
    {&CLSID_ElecardMpeg2Splitter, "Elecard MPEG-2 Splitter", kMpegSystems, true},
    {&CLSID_MainConceptMpeg2Splitter, "MainConcept MPEG-2 Splitter", kMpegSystems, true},
    {&CLSID_PixelaMpeg2Splitter, "Pixela MPEG-2 Splitter", kMpegSystems, true},
    {&CLSID_MatroskaSplitter, "Mastroka Splitter", "matroska,webm", true},
    {&CLSID_RadlightOggSplitter, "Radlight OGG Splitter", "ogg", true},
    {&CLSID_OggSplitter, "OGG Splitter", "ogg", true},
    {&CLSID_Ac3Splitter, "AC-3 Splitter", "ac3,eac3,dts", true},
    {&CLSID_FlvSplitter, "FLV Splitter", "flv", true},
    {&CLSID_Mp4Splitter, "3ivx Splitter", "mov,mp4,m4a,3gp,3g2,mj2", true},
    {&CLSID_RealMediaSplitter, "RealMedia Splitter", "rm", true},
    {&CLSID_ShnSplitter, "SHN Decoder", "shn", true},
    {&CLSID_WavPackSplitter, "WavPack Splitter", "wv", true},
    {&CLSID_MediaSplitter, "Media Splitter", nullptr, true},
    {&CLSID_UniversalSource, "ffMpeg Decoder", nullptr, false},
    {&CLSID_CoreFlacSource, "Core FLAC", "flac", false},
    {&CLSID_ApeSource, "RadLight APE Decoder", "ape", false},
    {&CLSID_MpcSource, "RadLight MPC Decoder", "mpc,mpc8", false},
    {&CLSID_TtaSource, "RadLight TTA Decoder", "tta", false},
};

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    const ParserKind& kind = kKinds[N];
    if (kind.splitter) return CreateComObject<CDemuxSplitter>(iid, object, *kind.clsid, kind.formats);
    return CreateComObject<CFileSource>(iid, object, *kind.clsid, kind.formats);
}

// Splitters of a named container come before the one that takes any, so that the graph
// inserts the one the file's kind names.
DWORD MeritOf(const ParserKind& kind) { return kind.formats ? 50 : 10; }

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, kKinds[I].splitter ? FilterRole::Transform : FilterRole::Other,
                         MeritOf(kKinds[I]), &CreateKind<I>),
     ...);
}

} // namespace

void DShowRegisterSourcesAndSplitters()
{
    DShowRegisterFilter(CLSID_AsyncFileSource, "File Source (Async.)", FilterRole::Source, 100,
                        &CAsyncFileSource::Create);
    RegisterAll(std::make_index_sequence<std::size(kKinds)>());
    DShowRegisterFilter(CLSID_WmMediaSource, "WM Media Source", FilterRole::Other, 0, &CWmMediaSource::Create);
    DShowRegisterFilter(CLSID_AudioTestSource, "Audio Test", FilterRole::Other, 0, &CTestToneSource::Create);
    DShowRegisterFilter(CLSID_VideoTestSource, "Video Test", FilterRole::Other, 0, &CTestPatternSource::Create);
    DShowRegisterFilter(CLSID_MultiFileSource, "Multi-File Source", FilterRole::Other, 0, &CMultiFileSource::Create);
}
