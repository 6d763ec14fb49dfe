#pragma once
// The video converter's document: one video output setting for a list of files.
#include "CFileBatch2.h"

class CKalmethData : public CFileBatch2 {
    MV_DECLARE_PERSIST_CLASS(CKalmethData)
public:
    CKalmethData();

    // A video converter always wants video.
    void LoadSelf(const char* name, CPersistStorage& storage) override;
};
