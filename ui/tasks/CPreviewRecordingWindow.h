#pragma once
// The status and time code of a preview recording: "Ready" and "00:00:00" while the
// preview runs without recording.
#include "CRecordingWindow2.h"

class CPreviewRecordingWindow : public CRecordingWindow2 {
public:
    void Refresh() override;
    CString CalculateStatus() override;
    CString CalculateTimecode() override;

private:
    bool Recording() const;
};
