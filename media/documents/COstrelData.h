#pragma once
// The 3D camera recorder's document: output settings and the two-camera recording.
#include "CMediaWriter2.h"
#include "CVideoRecorder3d2.h"
#include "TMemberDocument.h"

class COstrelData : public TMemberDocument<CMediaWriter2, CVideoRecorder3d2, VideoRecorderTag> {
    MV_DECLARE_PERSIST_CLASS(COstrelData)
public:
    COstrelData();

    CVideoRecorder3d2& GetVideoRecorder() { return m_member; }
};
