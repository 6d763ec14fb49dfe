#include "CFileInputSourceFilter.h"

#include "CDirectShowGraph.h"
#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/WideText.h"

#include <cmath>
#include <string>

namespace {

LONGLONG MediaTime(double seconds)
{
    return static_cast<LONGLONG>(std::llround(seconds * 10000000.0));
}

} // namespace

CFileInputSourceFilter::CFileInputSourceFilter(CDirectShowGraph* graph, const char* name) : CSourceFilter(graph, name)
{
}

bool CFileInputSourceFilter::Create()
{
    if (GetFilter()) return true;
    if (!m_multiFilePaths.empty()) return CreateMultiFile();
    if (GetId() == GUID{}) return AddBySourceChoice();
    if (!CSourceFilter::Create()) return false;
    if (LoadPath()) return true;
    Release();
    return false;
}

bool CFileInputSourceFilter::LoadPath()
{
    IFileSourceFilter* source = nullptr;
    if (FAILED(QueryInterfaceTo(GetFilter(), &source)) || !source) return false;
    const HRESULT hr = source->Load(WideText(std::string(m_path)).c_str(), nullptr);
    source->Release();
    return SUCCEEDED(hr);
}

bool CFileInputSourceFilter::AddBySourceChoice()
{
    IGraphBuilder* builder = GetGraph() ? GetGraph()->GetGraph() : nullptr;
    if (!builder) return false;
    IBaseFilter* filter = nullptr;
    const HRESULT hr = builder->AddSourceFilter(WideText(std::string(m_path)).c_str(),
                                                WideText(std::string(GetName())).c_str(), &filter);
    if (FAILED(hr) || !filter) return false;
    m_filter = filter;
    // The graph holds it already; only this wrapper takes it out again.
    m_inGraph = true;
    CompleteCreate();
    return true;
}

bool CFileInputSourceFilter::CreateMultiFile()
{
    SetId(CLSID_MultiFileSource);
    SetOwnComponent(true);
    if (!CSourceFilter::Create()) return false;
    IMultiFileSource* source = nullptr;
    if (FAILED(QueryInterfaceTo(GetFilter(), &source)) || !source) {
        Release();
        return false;
    }
    bool added = true;
    for (const CString& path : m_multiFilePaths)
        added = SUCCEEDED(source->AddFile(WideText(std::string(path)).c_str())) && added;
    source->SetStart(MediaTime(m_start));
    source->SetEnd(MediaTime(m_end));
    source->Release();
    if (added) return true;
    Release();
    return false;
}
