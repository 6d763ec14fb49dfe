#include "CFileInputFilters2.h"

#include "CDirectShowGraph.h"
#include "CFileExtensionFilterData.h"
#include "CFileFilterData.h"
#include "CFileInputSourceFilter.h"
#include "CFilterData.h"
#include "CFilterPin.h"
#include "CId3TagReader.h"
#include "CQuickTimeBlockSetter.h"
#include "CSplitterFilter.h"
#include "CWmTagReader.h"
#include "EncoderSetInterfaces.h"
#include "EngineGuid.h"
#include "dshow/DShowInterfaces.h"
#include "UFileUtils.h"
#include "UInputTables.h"

#include <memory>

const char* const CFileInputFilters2::kCreateFileInputError = "Unable to create file input filters.";

namespace {

const GUID kAsfReader = EngineGuid("{187463A0-5BB7-11D3-ACBE-0080C75E246E}");
const GUID kWmSource = EngineGuid("{6B6D0800-9ADA-11D0-A520-00A0D10129C0}");
const GUID k3ivxSplitter = EngineGuid("{52B63861-DC93-11CE-A099-00AA00479A58}");
const GUID kMpeg1Splitter = EngineGuid("{336475D0-942A-11CE-A870-00AA002FEAB5}");
const GUID kMpeg2Demultiplexer = EngineGuid("{AFB6C280-2C41-11D3-8A60-0000F81E0E4A}");
const GUID kMpeg2Splitter = EngineGuid("{3AE86B20-7BE8-11D1-ABE6-00A0C905F375}");

} // namespace

CFileInputFilters2::CFileInputFilters2(CDirectShowGraph* graph) : CSplitterInputFilters2(graph) {}

CFileInputFilters2::~CFileInputFilters2()
{
    CSplitterInputFilters2::Release();
}

void CFileInputFilters2::AddMultiFilePath(const char* path)
{
    if (path) m_multiFilePaths.emplace_back(path);
}

void CFileInputFilters2::Reset()
{
    m_multiFilePaths.clear();
    m_start = 0;
    m_end = 0;
}

bool CFileInputFilters2::CreateAndConnect()
{
    if (CSplitterInputFilters2::CreateAndConnect()) return true;
    SetErrorText(kCreateFileInputError);
    return false;
}

bool CFileInputFilters2::CreateInput()
{
    auto* source = dynamic_cast<CFileInputSourceFilter*>(m_fileSource);
    if (!source) {
        ReleaseFileSource();
        source = new CFileInputSourceFilter(m_graph, "File");
        m_fileSource = source;
    }
    source->Release();
    source->SetPath(m_filePath);
    source->ClearMultiFilePaths();
    for (const std::string& path : m_multiFilePaths) source->AddMultiFilePath(path.c_str());
    source->SetStartTime(double(m_start) / double(kUnitsPerSecond));
    source->SetEndTime(double(m_end) / double(kUnitsPerSecond));
    source->SetId(m_inputId);
    if (!source->Create()) {
        SetErrorText(kCreateSourceError);
        ReleaseFileSource();
        return false;
    }
    // Sources without the interface are left as they are.
    CQuickTimeBlockSetter(source).SetBlock(m_quickTimeBlock);
    return true;
}

bool CFileInputFilters2::DynamicConnectFileSource(CFilterData* source)
{
    return CSplitterInputFilters2::DynamicConnectFileSource(source);
}

bool CFileInputFilters2::DynamicConnectInput()
{
    return DynamicConnectInputPreferedPath() || DynamicConnectInputAllPath();
}

bool CFileInputFilters2::DynamicConnectInputPreferedPath()
{
    CFileFilterData* tables = UInputTables::Get();
    if (!tables) return false;
    CString extension = UFileUtils::GetFileExtension(m_filePath);
    extension.MakeLower();
    CFileExtensionFilterData* entry = tables->FindExtension(extension);
    if (!entry) return false;
    for (int i = 0; i < entry->GetFilterCount(); ++i)
        if (DynamicConnectFileSource(entry->GetFilter(i))) return true;
    return false;
}

bool CFileInputFilters2::DynamicConnectInputAllPath()
{
    CFileFilterData* tables = UInputTables::Get();
    if (!tables) return false;
    for (int i = 0; i < tables->GetFileSourceCount(); ++i)
        if (DynamicConnectFileSource(tables->GetFileSource(i))) return true;
    return false;
}

void CFileInputFilters2::ReconnectSeeker()
{
    if (!m_graph) return;
    CFilterPin* video = GetVideoPin(kOutputProcessing, 0);
    CFilterPin* audio = GetAudioPin(kOutputProcessing, 0);
    const bool audioFirst = m_fileSource && audio &&
                            (m_inputId == kAsfReader || m_inputId == kWmSource || GetSplitterId(0) == k3ivxSplitter);
    CFilterPin* pin = audioFirst ? audio : (video ? video : audio);
    // A pin that cannot seek would leave the graph without any seeker: keep the one it has.
    IMediaSeeking* seeking = nullptr;
    if (!pin || !pin->GetPin() || FAILED(QueryInterfaceTo(pin->GetPin(), &seeking)) || !seeking) return;
    seeking->Release();
    m_graph->ReconnectSeeker(pin);
}

bool CFileInputFilters2::GetTags(CMediaTags& tags)
{
    std::unique_ptr<CTagReader> reader;
    const GUID splitter = GetSplitterId(0);
    if (m_inputId == kAsfReader || m_inputId == kWmSource) {
        reader = std::make_unique<CWmTagReader>(m_fileSource);
    } else if (splitter == kMpeg1Splitter || splitter == kMpeg2Demultiplexer || splitter == kMpeg2Splitter ||
               CString(UFileUtils::GetFileExtension(m_filePath)).CompareNoCase("mp3") == 0) {
        // A stream with video carries no ID3 tags.
        if (GetVideoPinCount(kOutputProcessing) > 0) return false;
        reader = std::make_unique<CId3TagReader>(m_filePath, m_fileSource);
    }
    return reader && reader->Read(tags);
}
