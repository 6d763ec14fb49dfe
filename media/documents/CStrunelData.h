#pragma once
// The DV recorder's document: the DV writer and the camera recording.
#include "CDvWriter2.h"
#include "CVideoRecorder2.h"
#include "TMemberDocument.h"

class CStrunelData : public TMemberDocument<CDvWriter2, CVideoRecorder2, VideoRecorderTag> {
    MV_DECLARE_PERSIST_CLASS(CStrunelData)
public:
    CStrunelData();

    CVideoRecorder2& GetVideoRecorder() { return m_member; }
};
