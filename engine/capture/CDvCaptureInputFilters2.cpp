#include "CDvCaptureInputFilters2.h"

#include "CCamcorderControl.h"
#include "CVideoCaptureFilter.h"

const char* const CDvCaptureInputFilters2::kCamcorderError = "Unable to load camcorder.";

CDvCaptureInputFilters2::CDvCaptureInputFilters2(CDirectShowGraph* graph)
    : CInputFilters2(graph), m_dvCapture(new CVideoCaptureFilter(graph, "DV Capture")),
      m_control(new CCamcorderControl(m_dvCapture))
{
    // A camcorder records at its own size.
    m_dvCapture->SetWidth(0);
    m_dvCapture->SetHeight(0);
}

CDvCaptureInputFilters2::~CDvCaptureInputFilters2()
{
    CDvCaptureInputFilters2::Release();
    delete m_control;
    delete m_dvCapture;
}

void CDvCaptureInputFilters2::SetVideoDevice(const char* displayName) { m_dvCapture->SetDevice(displayName); }

bool CDvCaptureInputFilters2::CreateSelf()
{
    m_dvCapture->SetGraph(m_graph);
    if (m_dvCapture->Create()) return true;
    SetErrorText(kCamcorderError);
    Release();
    return false;
}

void CDvCaptureInputFilters2::Release()
{
    m_control->Release();
    m_dvCapture->Release();
}

int CDvCaptureInputFilters2::GetStreamPinCount()
{
    return m_dvCapture->GetFilter() ? 1 : 0;
}

CFilterPin* CDvCaptureInputFilters2::GetStreamPin(int index)
{
    return index == 0 && m_dvCapture->GetFilter() ? m_dvCapture->GetCapturePin() : nullptr;
}

bool CDvCaptureInputFilters2::HasCamcorderControl() { return m_control->HasControl(); }
bool CDvCaptureInputFilters2::CamcorderPlay() { return m_control->Play(); }
bool CDvCaptureInputFilters2::CamcorderPause() { return m_control->Pause(); }
bool CDvCaptureInputFilters2::CamcorderStop() { return m_control->Stop(); }
bool CDvCaptureInputFilters2::CamcorderStepForward() { return m_control->StepForward(); }
bool CDvCaptureInputFilters2::CamcorderStepBackward() { return m_control->StepBackward(); }
bool CDvCaptureInputFilters2::CamcorderFastForward() { return m_control->FastForward(); }
bool CDvCaptureInputFilters2::CamcorderRewind() { return m_control->Rewind(); }
