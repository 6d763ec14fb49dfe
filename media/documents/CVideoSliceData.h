#pragma once
// The video slicer's document: one output setting for every slice of the input file.
#include "CMediaBatch2.h"
#include "CMediaFile2.h"
#include "TMemberDocument.h"

class CVideoSliceData : public TMemberDocument<CMediaBatch2, CMediaFile2, InputTag> {
    MV_DECLARE_PERSIST_CLASS(CVideoSliceData)
public:
    CVideoSliceData();

    CMediaFile2& GetInput() { return m_member; }
};
