#include "CPreviewRecordingWindow.h"

#include "CPreviewRecordingAdministrator2.h"

bool CPreviewRecordingWindow::Recording() const
{
    auto* administrator = dynamic_cast<CPreviewRecordingAdministrator2*>(GetAdministrator());
    return administrator && administrator->IsRecording();
}

void CPreviewRecordingWindow::Refresh()
{
    if (Recording()) {
        CRecordingWindow2::Refresh();
        return;
    }
    // The preview alone records nothing: the time starts again with the next recording.
    Stop();
}

CString CPreviewRecordingWindow::CalculateStatus()
{
    return Recording() ? CRecordingWindow2::CalculateStatus() : CString("Ready");
}

CString CPreviewRecordingWindow::CalculateTimecode()
{
    return Recording() ? CRecordingWindow2::CalculateTimecode() : CString("00:00:00");
}
