#pragma once
// The audio extractor's document: audio output settings and the input file.
#include "CMediaWriter2.h"
#include "CMediaFile2.h"
#include "TMemberDocument.h"

class CSondrelData : public TMemberDocument<CMediaWriter2, CMediaFile2, InputTag> {
    MV_DECLARE_PERSIST_CLASS(CSondrelData)
public:
    CSondrelData();

    CMediaFile2& GetInput() { return m_member; }
};
