#pragma once
// The 3D DV recorder's document: the DV writer and the two-camera recording.
#include "CDvWriter2.h"
#include "CVideoRecorder3d2.h"
#include "TMemberDocument.h"

class COmbrakData : public TMemberDocument<CDvWriter2, CVideoRecorder3d2, VideoRecorderTag> {
    MV_DECLARE_PERSIST_CLASS(COmbrakData)
public:
    COmbrakData();

    CVideoRecorder3d2& GetVideoRecorder() { return m_member; }
};
