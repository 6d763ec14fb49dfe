#pragma once
// One conversion job: an input file with its own output settings.
#include "CMediaFile2.h"
#include "CMediaWriter2.h"

class CMediaConversionData : public CMediaWriter2 {
    MV_DECLARE_PERSIST_CLASS(CMediaConversionData)
public:
    CMediaConversionData();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CMediaFile2& GetInput() { return m_input; }

private:
    CMediaFile2 m_input;
};
