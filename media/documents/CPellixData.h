#pragma once
// The camera recorder's document: output settings and the camera recording.
#include "CMediaWriter2.h"
#include "CVideoRecorder2.h"
#include "TMemberDocument.h"

class CPellixData : public TMemberDocument<CMediaWriter2, CVideoRecorder2, VideoRecorderTag> {
    MV_DECLARE_PERSIST_CLASS(CPellixData)
public:
    CPellixData();

    CVideoRecorder2& GetVideoRecorder() { return m_member; }
};
