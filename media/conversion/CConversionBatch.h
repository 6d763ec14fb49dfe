#pragma once
// The conversion jobs and the folder they are written into.
#include "CConversionList.h"
#include "CSaveDir2.h"

class CConversionBatch : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CConversionBatch)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    using CPersistObject::Validate;
    // The batch's own message, else the folder's.
    virtual const char* Validate();

    CConversionList& GetConversionList() { return m_list; }
    CSaveDir2& GetFilePath() { return m_location; }

private:
    CConversionList m_list;
    CSaveDir2 m_location;
};
