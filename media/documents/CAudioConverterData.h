#pragma once
// The audio converter's document: one audio output setting for a list of files.
#include "CFileBatch2.h"

class CAudioConverterData : public CFileBatch2 {
    MV_DECLARE_PERSIST_CLASS(CAudioConverterData)
public:
    CAudioConverterData();

    // A converter to audio always wants audio only.
    void LoadSelf(const char* name, CPersistStorage& storage) override;
};
