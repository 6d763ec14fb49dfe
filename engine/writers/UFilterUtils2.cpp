#include "UFilterUtils2.h"

#include "CAudioCodecsInfo.h"
#include "CDirectShowGraph.h"
#include "CFileWriterFilter.h"
#include "CFilterTracker.h"
#include "CFlashWriter.h"
#include "CFormatTypes.h"
#include "CFtpFileWriter.h"
#include "CImageFileWriter.h"
#include "CMuxFilter.h"
#include "CQuickTime3gpExportWriter.h"
#include "CQuickTimeAifExportWriter.h"
#include "CQuickTimeDvExportWriter.h"
#include "CQuickTimeFileWriter.h"
#include "CQuickTimeFlcExportWriter.h"
#include "CQuickTimeMovExportWriter.h"
#include "CQuickTimeMp4ExportWriter.h"
#include "CRealFileWriter.h"
#include "CSarvexMpegWriter.h"
#include "CStandardFileWriter.h"
#include "CVideoCodecsInfo.h"
#include "CVideoEncoderFilter.h"
#include "CWmCodecFileWriter2.h"
#include "CWmProfileFileWriter2.h"
#include "CWmProfileResizingFileWriter2.h"
#include "CWmProfileResizingWithBitrateFileWriter2.h"
#include "CffWriter.h"
#include "StSilentCreation.h"
#include "StWaitCursor.h"
#include "UDirectoryUtils.h"
#include "UFileUtils.h"

#include <memory>

namespace {

bool IsOneOf(ESplitterType type, std::initializer_list<ESplitterType> types)
{
    for (ESplitterType t : types)
        if (t == type) return true;
    return false;
}

CFormatType* FormatRow(ESplitterType type)
{
    return CFormatTypes::sFormatTypes ? CFormatTypes::sFormatTypes->FindFileType(type) : nullptr;
}

CMuxFilter* MakeMux(CDirectShowGraph* graph, const GUID& id)
{
    if (id == GUID{}) return nullptr;
    auto* mux = new CMuxFilter(graph, "Mux");
    mux->SetId(id);
    return mux;
}

// Whether the filter can be created, asked of the tracker first; a new answer is recorded.
bool ProbeFilter(CDirectShowFilter& filter, const char* probePath)
{
    bool installed = false;
    if (CFilterTracker::sFilterTracker.IsTested(filter.GetId(), installed)) return installed;
    auto* output = dynamic_cast<COutputFilter*>(&filter);
    StSilentCreation silent;
    if (probePath && output) {
        UFileUtils::DeleteFileA(probePath);
        output->SetFilePath(probePath);
    }
    // A writer's settings are one type's: the answer kept under its class id is the filter's alone.
    auto* writer = dynamic_cast<CFileWriterFilter*>(&filter);
    installed = writer ? writer->CreateUnconfigured() : filter.Create();
    filter.Release();
    if (probePath && output) UFileUtils::DeleteFileA(probePath);
    CFilterTracker::sFilterTracker.Add(filter.GetId(), installed);
    return installed;
}

// The video encoder of the codec, created on no graph; null when it cannot be created.
std::unique_ptr<CVideoEncoderFilter> CreateVideoEncoder(const char* codecName)
{
    auto encoder = std::make_unique<CVideoEncoderFilter>(nullptr, "Encoder");
    encoder->SetCodec(codecName, "");
    if (!encoder->Create()) return nullptr;
    return encoder;
}

} // namespace

COutputFilter* UFilterUtils2::CreateOutput(CDirectShowGraph* graph, ESplitterType type)
{
    if (IsOneOf(type, {100, 110, 120, 130, 190, 350, 421, 500, 700, 1100, 1200, 1600}))
        return new CStandardFileWriter(graph, "Standard File Writer");
    switch (type) {
    case 200: return new CWmCodecFileWriter2(graph, "WMV Writer");
    case 250: return new CWmProfileFileWriter2(graph, "WMV Writer");
    case 251: return new CWmProfileResizingFileWriter2(graph, "WMV Writer");
    case 252: return new CWmProfileResizingWithBitrateFileWriter2(graph, "WMV Writer");
    case 300:
    case 310:
    case 400:
    case 410:
    case 420: return new CSarvexMpegWriter(graph, "Sarvex MPEG Writer");
    case 600: return new CQuickTimeFileWriter(graph, "QuickTime Writer");
    case 601: return new CQuickTimeMovExportWriter(graph, "QuickTime Export");
    case 610:
    case 611: return new CQuickTimeDvExportWriter(graph, "QuickTime DV Export");
    case 620: return new CQuickTimeFlcExportWriter(graph, "QuickTime FLC Export");
    case 630:
    case 631: return new CQuickTime3gpExportWriter(graph, "QuickTime 3GP Export");
    case 640: return new CQuickTimeMp4ExportWriter(graph, "QuickTime MP4 Export");
    case 650: return new CQuickTimeAifExportWriter(graph, "QuickTime AIF Export");
    case 900: return new CFileWriterFilter(graph, "Morvane File Writer");
    case 1000: return new CRealFileWriter(graph, "RealMedia Writer");
    case 1300: return new CFlashWriter(graph, "Flash Writer");
    case 1700: return new CImageFileWriter(graph, "File Writer");
    case 1800: return new CFtpFileWriter(graph, "File Writer");
    case 2000: return new CffWriter(graph, "ff MPEG1 Writer", CffWriter::kMpeg1);
    case 2022: return new CffWriter(graph, "ff MPEG4 PSP Writer", CffWriter::kMpeg4Psp);
    case 2040: return new CffWriter(graph, "ff SWF Writer", CffWriter::kSwf);
    case 2041: return new CffWriter(graph, "ff FLV Writer", CffWriter::kFlv);
    default: return nullptr;
    }
}

CMuxFilter* UFilterUtils2::CreateMultiplexer(CDirectShowGraph* graph, ESplitterType type)
{
    const CFormatType* row = FormatRow(type);
    return row ? MakeMux(graph, row->GetMuxId()) : nullptr;
}

CMuxFilter* UFilterUtils2::CreateMultiplexer2(CDirectShowGraph* graph, ESplitterType type)
{
    const CFormatType* row = FormatRow(type);
    return row ? MakeMux(graph, row->GetMux2Id()) : nullptr;
}

bool UFilterUtils2::NoneAliasFormatInstalled(ESplitterType type)
{
    CFormatType* row = FormatRow(type);
    if (!row) return false;
    if (row->GetTested()) return row->GetLoaded();
    StWaitCursor wait;
    CDirectShowGraph graph;
    if (!graph.Create()) return false;
    bool installed = true;
    if (std::unique_ptr<CMuxFilter> mux{CreateMultiplexer(&graph, type)}) installed = ProbeFilter(*mux, nullptr);
    if (installed)
        if (std::unique_ptr<CMuxFilter> mux2{CreateMultiplexer2(&graph, type)})
            installed = ProbeFilter(*mux2, nullptr);
    if (installed) {
        if (std::unique_ptr<COutputFilter> writer{CreateOutput(&graph, type)}) {
            const CString path = CString(UDirectoryUtils::GetUserAppDataDirectory()) + "test." +
                                 CFormatTypes::sFormatTypes->GetFileExtension(type, false, false);
            installed = ProbeFilter(*writer, path);
        }
    }
    graph.Release();
    row->SetTested(true);
    row->SetLoaded(installed);
    return installed;
}

bool UFilterUtils2::FormatInstalled(ESplitterType type)
{
    if (!CFormatTypes::sFormatTypes) return false;
    const bool installed = NoneAliasFormatInstalled(type);
    const CFormatType* row = FormatRow(type);
    if (!installed || !row || row->GetAlias() == 0) return installed;
    if (!CVideoCodecsInfo::sInfo && !CAudioCodecsInfo::sInfo) return installed;
    return AliasSupported(row->GetAlias(), row->GetAliasFilter());
}

bool UFilterUtils2::AliasSupported(ESplitterType alias, const char* filter)
{
    return (CVideoCodecsInfo::sInfo && CVideoCodecsInfo::sInfo->ContainFilteredCodec(alias, filter)) ||
           (CAudioCodecsInfo::sInfo && CAudioCodecsInfo::sInfo->ContainFilteredCodec(alias, filter));
}

bool UFilterUtils2::FilterInstalled(const GUID& id)
{
    CDirectShowGraph graph;
    if (!graph.Create()) return false;
    CDirectShowFilter filter;
    filter.SetGraph(&graph);
    filter.SetName("Filter");
    filter.SetId(id);
    const bool installed = filter.Create();
    filter.Release();
    graph.Release();
    return installed;
}

void UFilterUtils2::PromptVideoAbout(const char* codecName)
{
    if (auto encoder = CreateVideoEncoder(codecName)) encoder->ShowAboutDialog(nullptr);
}

void UFilterUtils2::PromptVideoSetting(const char* codecName, CHandle& settings)
{
    auto encoder = std::make_unique<CVideoEncoderFilter>(nullptr, "Encoder");
    encoder->SetCodec(codecName, "");
    encoder->SetState(settings);
    if (!encoder->Create()) return;
    if (encoder->ShowSettingsDialog(nullptr)) settings = encoder->GetState();
}
