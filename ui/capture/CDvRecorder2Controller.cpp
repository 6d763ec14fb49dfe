#include "CDvRecorder2Controller.h"

#include "CVideoRecorder2.h"

void CDvRecorder2Controller::SetControls(CComboBox* device)
{
    m_source.SetControls(device);
}

void CDvRecorder2Controller::SetVideoSource(CVideoSource2* source)
{
    CVideoHotPlugController::SetVideoSource(source);
    m_source.SetObject(source, true);
}

void CDvRecorder2Controller::RefreshSource()
{
    m_source.Refresh();
}

void CDvRecorder2Controller::SetDefault()
{
    ChooseDefaultDevice(m_source);
}

void CDvRecorder2Controller::EnterDevice()
{
    m_source.EnterDevice();
}

char* CDvRecorder2Controller::GetText()
{
    return GetRecorder() ? m_source.GetText() : CObjectController2::GetText();
}
