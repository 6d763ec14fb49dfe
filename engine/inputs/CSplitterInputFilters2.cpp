#include "CSplitterInputFilters2.h"

#include "CFileFilterData.h"
#include "CFilterData.h"
#include "CFilterPin.h"
#include "CSourceFilter.h"
#include "CSplitterFilter.h"
#include "EngineGuid.h"
#include "UInputTables.h"

const char* const CSplitterInputFilters2::kCreateAndConnectError = "Unable to create and connect input filters.";
const char* const CSplitterInputFilters2::kCreateInputError = "Unable to create file input.";
const char* const CSplitterInputFilters2::kCreateSourceError = "Unable to create file source.";
const char* const CSplitterInputFilters2::kCreateSplitterError = "Unable to create splitter.";

namespace {

const GUID kWmSource = EngineGuid("{6B6D0800-9ADA-11D0-A520-00A0D10129C0}");

} // namespace

CSplitterInputFilters2::CSplitterInputFilters2(CDirectShowGraph* graph) : CInputFilters2(graph) {}

CSplitterInputFilters2::~CSplitterInputFilters2()
{
    CSplitterInputFilters2::Release();
}

void CSplitterInputFilters2::SetSplitterId(const GUID& id, int index)
{
    if (index >= 0 && index < kSplitterCount) m_splitterIds[index] = id;
}

GUID CSplitterInputFilters2::GetSplitterId(int index) const
{
    return index >= 0 && index < kSplitterCount ? m_splitterIds[index] : GUID_NULL;
}

CSplitterFilter* CSplitterInputFilters2::GetSplitter(int index) const
{
    return index >= 0 && index < kSplitterCount ? m_splitters[index] : nullptr;
}

void CSplitterInputFilters2::ClearIds()
{
    m_inputId = GUID_NULL;
    for (GUID& id : m_splitterIds) id = GUID_NULL;
}

bool CSplitterInputFilters2::CreateAndConnect()
{
    bool done;
    if (m_inputId == GUID_NULL && m_splitterIds[0] == GUID_NULL)
        done = DynamicConnectInput();
    else
        done = CInputFilters2::CreateAndConnect();
    if (!done) {
        SetErrorText(kCreateAndConnectError);
        return false;
    }
    ResetErrorText();
    return true;
}

bool CSplitterInputFilters2::CreateSelf()
{
    if (m_inputId == kWmSource && m_splitterIds[0] == GUID_NULL) {
        CFileFilterData* tables = UInputTables::Get();
        return DynamicConnectFileSource(tables ? tables->FindFileSource(kWmSource) : nullptr);
    }
    if (m_inputId == GUID_NULL && m_splitterIds[0] == GUID_NULL) return false;
    bool result = CreateInput();
    for (int i = 0; i < kSplitterCount && result; ++i)
        if (m_splitterIds[i] != GUID_NULL) result = CreateSplitter(i);
    return result;
}

bool CSplitterInputFilters2::CreateInput()
{
    if (!m_fileSource) {
        m_fileSource = new CSourceFilter(m_graph, "File");
    }
    m_fileSource->SetId(m_inputId);
    if (m_fileSource->Create()) return true;
    SetErrorText(kCreateInputError);
    ReleaseFileSource();
    return false;
}

void CSplitterInputFilters2::ReleaseFileSource()
{
    if (!m_fileSource) return;
    m_fileSource->Release();
    delete m_fileSource;
    m_fileSource = nullptr;
}

bool CSplitterInputFilters2::CreateSplitter(int index)
{
    if (!m_fileSource || index < 0 || index >= kSplitterCount) return false;
    CSplitterFilter*& splitter = m_splitters[index];
    if (!splitter) {
        splitter = new CSplitterFilter(m_graph, "Splitter");
    }
    splitter->Release();
    splitter->SetId(m_splitterIds[index]);
    if (splitter->Create()) return true;
    SetErrorText(kCreateSplitterError);
    ReleaseSplitter(index);
    return false;
}

void CSplitterInputFilters2::ReleaseSplitter(int index)
{
    if (index < 0 || index >= kSplitterCount || !m_splitters[index]) return;
    m_splitters[index]->Release();
    delete m_splitters[index];
    m_splitters[index] = nullptr;
}

void CSplitterInputFilters2::Release()
{
    for (int i = kSplitterCount - 1; i >= 0; --i) ReleaseSplitter(i);
    ReleaseFileSource();
}

bool CSplitterInputFilters2::ConnectSplitter(int index)
{
    CSplitterFilter* splitter = GetSplitter(index);
    if (!splitter) return false;
    CFilterPin* upstream = nullptr;
    if (m_chainSplitter) {
        CSourceFilter* feeder = index == 0 ? m_fileSource : m_splitters[index - 1];
        upstream = feeder ? feeder->GetStreamPin(0) : nullptr;
    } else if (m_fileSource) {
        upstream = m_fileSource->GetStreamPin(index);
    }
    CFilterPin* input = splitter->GetInputPin();
    return upstream && input && upstream->Connect(input, nullptr);
}

void CSplitterInputFilters2::DisconnectSplitter(int index)
{
    CSplitterFilter* splitter = GetSplitter(index);
    if (splitter && splitter->GetInputPin()) splitter->GetInputPin()->Disconnect();
}

bool CSplitterInputFilters2::Connect()
{
    bool result = m_fileSource != nullptr;
    for (int i = 0; i < kSplitterCount; ++i)
        if (m_splitters[i]) result = ConnectSplitter(i);
    return result;
}

void CSplitterInputFilters2::Disconnect()
{
    for (int i = kSplitterCount - 1; i >= 0; --i) DisconnectSplitter(i);
}

bool CSplitterInputFilters2::DynamicConnectFileSource(CFilterData* source)
{
    ClearIds();
    if (source) {
        m_inputId = source->GetId();
        if (CreateInput()) {
            if (m_fileSource->GetVideoPinCount() + m_fileSource->GetAudioPinCount() > 0) return true;
            m_chainSplitter = m_fileSource->GetStreamPinCount() == 1;
            if (DynamicConnectSplitter(source)) return true;
            ReleaseFileSource();
        } else {
            SetErrorText(kCreateSourceError);
        }
    }
    ClearIds();
    return false;
}

bool CSplitterInputFilters2::DynamicConnectSplitter(CFilterData* source)
{
    if (!source || !m_fileSource) return false;
    if (!m_chainSplitter) {
        // Each stream pin of the source gets its own splitter; one that works is enough.
        const int streams = m_fileSource->GetStreamPinCount();
        bool any = false;
        for (int i = 0; i < streams && i < kSplitterCount; ++i)
            if (DynamicConnectStreamSplitter(source, i)) any = true;
        return any;
    }
    for (int i = 0; i < source->GetNextFilterCount(); ++i) {
        CFilterData* follower = source->GetNextFilter(i);
        if (follower && DynamicConnectSplitter1(follower)) return true;
    }
    return false;
}

bool CSplitterInputFilters2::DynamicConnectStreamSplitter(CFilterData* source, int index)
{
    if (!source) return false;
    for (int i = 0; i < source->GetNextFilterCount(); ++i) {
        CFilterData* follower = source->GetNextFilter(i);
        if (follower && DynamicConnectSingleSplitter(index, follower)) return true;
    }
    return false;
}

bool CSplitterInputFilters2::DynamicConnectSingleSplitter(int index, CFilterData* splitter)
{
    if (!splitter || index < 0 || index >= kSplitterCount) return false;
    m_splitterIds[index] = splitter->GetId();
    if (CreateSplitter(index) && ConnectSplitter(index) && m_splitters[index]->HasMediaPins()) return true;
    DropSplitter(index);
    return false;
}

bool CSplitterInputFilters2::DynamicConnectSplitter1(CFilterData* splitter)
{
    if (!splitter) return false;
    m_splitterIds[0] = splitter->GetId();
    if (CreateSplitter(0) && ConnectSplitter(0)) {
        if (m_splitters[0]->HasMediaPins()) return true;
        if (m_splitters[0]->GetStreamPinCount() > 0) {
            for (int i = 0; i < splitter->GetNextFilterCount(); ++i) {
                CFilterData* follower = splitter->GetNextFilter(i);
                if (follower && DynamicConnectSplitter2(follower)) return true;
            }
        }
    }
    DropSplitter(0);
    return false;
}

bool CSplitterInputFilters2::DynamicConnectSplitter2(CFilterData* splitter)
{
    if (!splitter) return false;
    m_splitterIds[1] = splitter->GetId();
    if (CreateSplitter(1) && ConnectSplitter(1) && m_splitters[1]->HasMediaPins()) return true;
    DropSplitter(1);
    return false;
}

void CSplitterInputFilters2::DropSplitter(int index)
{
    SetErrorText(kCreateSplitterError);
    ReleaseSplitter(index);
    m_splitterIds[index] = GUID_NULL;
}

int CSplitterInputFilters2::PinSources(CSourceFilter* sources[kSplitterCount]) const
{
    if (m_chainSplitter) {
        CSourceFilter* last = m_splitters[1] ? m_splitters[1] : m_splitters[0] ? m_splitters[0] : m_fileSource;
        sources[0] = last;
        return last ? 1 : 0;
    }
    int count = 0;
    for (CSplitterFilter* splitter : m_splitters)
        if (splitter) sources[count++] = splitter;
    if (count == 0 && m_fileSource) sources[count++] = m_fileSource;
    return count;
}

template <class Count, class Get>
CFilterPin* CSplitterInputFilters2::PinAt(int index, Count count, Get get) const
{
    CSourceFilter* sources[kSplitterCount] = {};
    const int n = PinSources(sources);
    for (int i = 0; i < n && index >= 0; ++i) {
        const int pins = count(sources[i]);
        if (index < pins) return get(sources[i], index);
        index -= pins;
    }
    return nullptr;
}

template <class Count>
int CSplitterInputFilters2::SumPins(Count count) const
{
    CSourceFilter* sources[kSplitterCount] = {};
    const int n = PinSources(sources);
    int total = 0;
    for (int i = 0; i < n; ++i) total += count(sources[i]);
    return total;
}

int CSplitterInputFilters2::GetTotalSubtitlePinCount()
{
    return SumPins([](CSourceFilter* s) { return s->GetSubtitlePinCount(); });
}

int CSplitterInputFilters2::GetVideoPinCount(EOutputType type)
{
    if (type != kOutputProcessing) return 0;
    return SumPins([](CSourceFilter* s) { return s->GetVideoPinCount(); });
}

int CSplitterInputFilters2::GetAudioPinCount(EOutputType type)
{
    if (type != kOutputProcessing) return 0;
    return SumPins([](CSourceFilter* s) { return s->GetAudioPinCount(); });
}

CFilterPin* CSplitterInputFilters2::GetVideoPin(EOutputType type, int index)
{
    if (type != kOutputProcessing) return nullptr;
    return PinAt(
        index, [](CSourceFilter* s) { return s->GetVideoPinCount(); },
        [](CSourceFilter* s, int i) { return s->GetVideoPin(i); });
}

CFilterPin* CSplitterInputFilters2::GetAudioPin(EOutputType type, int index)
{
    if (type != kOutputProcessing) return nullptr;
    return PinAt(
        index, [](CSourceFilter* s) { return s->GetAudioPinCount(); },
        [](CSourceFilter* s, int i) { return s->GetAudioPin(i); });
}

CFilterPin* CSplitterInputFilters2::GetSubtitlePin(int index)
{
    return PinAt(
        index, [](CSourceFilter* s) { return s->GetSubtitlePinCount(); },
        [](CSourceFilter* s, int i) { return s->GetSubtitlePin(i); });
}
