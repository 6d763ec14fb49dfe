#include "CDv3dCaptureInputFilters2.h"

#include "CCamcorderControl.h"
#include "CVideoCaptureFilter.h"

const char* const CDv3dCaptureInputFilters2::kCamcorder2Error = "Unable to load the second camcorder.";

CDv3dCaptureInputFilters2::CDv3dCaptureInputFilters2(CDirectShowGraph* graph)
    : CDvCaptureInputFilters2(graph), m_dvCapture2(new CVideoCaptureFilter(graph, "DV Capture 2")),
      m_control2(new CCamcorderControl(m_dvCapture2))
{
    m_dvCapture2->SetWidth(0);
    m_dvCapture2->SetHeight(0);
}

CDv3dCaptureInputFilters2::~CDv3dCaptureInputFilters2()
{
    CDv3dCaptureInputFilters2::Release();
    delete m_control2;
    delete m_dvCapture2;
}

void CDv3dCaptureInputFilters2::SetVideoDevice2(const char* displayName) { m_dvCapture2->SetDevice(displayName); }
bool CDv3dCaptureInputFilters2::HasCamcorderControl2() { return m_control2->HasControl(); }

bool CDv3dCaptureInputFilters2::CreateSelf()
{
    if (!CDvCaptureInputFilters2::CreateSelf()) return false;
    m_dvCapture2->SetGraph(m_graph);
    if (m_dvCapture2->Create()) return true;
    SetErrorText(kCamcorder2Error);
    Release();
    return false;
}

void CDv3dCaptureInputFilters2::Release()
{
    m_control2->Release();
    m_dvCapture2->Release();
    CDvCaptureInputFilters2::Release();
}

int CDv3dCaptureInputFilters2::GetStreamPinCount()
{
    const int first = CDvCaptureInputFilters2::GetStreamPinCount();
    return first > 0 && m_dvCapture2->GetFilter() ? 2 : first;
}

CFilterPin* CDv3dCaptureInputFilters2::GetStreamPin(int index)
{
    if (index == 1) return GetStreamPinCount() == 2 ? m_dvCapture2->GetCapturePin() : nullptr;
    return CDvCaptureInputFilters2::GetStreamPin(index);
}
