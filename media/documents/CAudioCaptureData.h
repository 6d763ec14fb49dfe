#pragma once
// The audio recorder's document: audio output settings and the sound source.
#include "CMediaWriter2.h"
#include "CAudioSource2.h"
#include "TMemberDocument.h"

class CAudioCaptureData : public TMemberDocument<CMediaWriter2, CAudioSource2, SourceTag> {
    MV_DECLARE_PERSIST_CLASS(CAudioCaptureData)
public:
    CAudioCaptureData();

    CAudioSource2& GetSource() { return m_member; }
};
