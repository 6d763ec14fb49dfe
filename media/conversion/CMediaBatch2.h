#pragma once
// One output setting for many inputs, written into one folder.
#include "CMediaOutput2.h"
#include "CSaveDir2.h"

class CMediaBatch2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaBatch2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    using CPersistObject::Validate;
    // The batch's own message, else the folder's.
    virtual const char* Validate();

    CMediaOutput2& GetMediaOutput() { return m_output; }
    CSaveDir2& GetFilePath() { return m_location; }

private:
    CMediaOutput2 m_output;
    CSaveDir2 m_location;
};
