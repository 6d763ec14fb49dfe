#pragma once
// The video editor's document: output settings and the file being edited.
#include "CMediaWriter2.h"
#include "CMediaFile2.h"
#include "TMemberDocument.h"

class CDulcrestData : public TMemberDocument<CMediaWriter2, CMediaFile2, InputTag> {
    MV_DECLARE_PERSIST_CLASS(CDulcrestData)
public:
    CDulcrestData();

    // Edited video is never turned grey by an old setting.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CMediaFile2& GetInput() { return m_member; }
};
