#include "CFileWriterFilter.h"

#include "CFilterPin.h"
#include "TaggedPin.h"
#include "WriterIds.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DShowTypes.h"
#include "dshow/WideText.h"

#include <string>

CFileWriterFilter::CFileWriterFilter(CDirectShowGraph* graph, const char* name)
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_OwnFileWriter);
    SetOwnComponent(true);
    SetInputPin(MakeTaggedPin(this, nullptr, true));
}

CFileWriterFilter::~CFileWriterFilter()
{
    CFileWriterFilter::Release();
    delete m_videoPin;
    delete m_audioPin;
}

void CFileWriterFilter::AddStreamPins()
{
    if (m_videoPin) return;
    m_videoPin = new CFilterPin(this, "Video", true);
    m_videoPin->SetMediaType(MEDIATYPE_Video, GUID{});
    m_audioPin = new CFilterPin(this, "Audio", true);
    m_audioPin->SetMediaType(MEDIATYPE_Audio, GUID{});
}

bool CFileWriterFilter::CreateWriter()
{
    if (GetFilter()) return true;
    if (!COutputFilter::Create()) return false;
    if (SUCCEEDED(QueryInterfaceTo(GetFilter(), &m_sink)) && m_sink &&
        SUCCEEDED(m_sink->SetFileName(WideText(std::string(m_filePath)).c_str(), nullptr)))
        return true;
    Release();
    return false;
}

bool CFileWriterFilter::Create()
{
    if (GetFilter()) return true;
    if (!CreateWriter()) return false;
    if (ConfigureOnCreate()) return true;
    Release();
    return false;
}

bool CFileWriterFilter::CreateUnconfigured()
{
    m_unconfigured = true;
    const bool created = Create();
    m_unconfigured = false;
    return created;
}

void CFileWriterFilter::Release()
{
    SafeRelease(m_sink);
    if (m_videoPin) m_videoPin->Release();
    if (m_audioPin) m_audioPin->Release();
    COutputFilter::Release();
}
