#include "CDvdNavigatorFilter.h"

#include "dshow/DShowInterfaces.h"
#include "dshow/WideText.h"
#include "dshow/discs/DiscInterfaces.h"

#include <string>

CDvdNavigatorFilter::CDvdNavigatorFilter(CDirectShowGraph* graph, const char* name) : CSourceFilter(graph, name)
{
    SetId(CLSID_DvdNavigator);
    SetSystemComponent(true);
}

CDvdNavigatorFilter::~CDvdNavigatorFilter()
{
    CDvdNavigatorFilter::Release();
}

bool CDvdNavigatorFilter::Create()
{
    if (m_filter) return true;
    if (!CSourceFilter::Create()) return false;
    bool ready = SUCCEEDED(QueryInterfaceTo(m_filter, &m_info)) && m_info &&
                 SUCCEEDED(QueryInterfaceTo(m_filter, &m_control)) && m_control;
    if (ready && !m_path.IsEmpty())
        ready = SUCCEEDED(m_control->SetDVDDirectory(WideText(std::string(m_path)).c_str()));
    if (ready) return true;
    Release();
    return false;
}

void CDvdNavigatorFilter::Release()
{
    SafeRelease(m_info);
    SafeRelease(m_control);
    CSourceFilter::Release();
}
