#pragma once
// A batch over a list of input files.
#include "CMediaBatch2.h"
#include "CMediaList2.h"

class CFileBatch2 : public CMediaBatch2 {
    MV_DECLARE_PERSIST_CLASS(CFileBatch2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CMediaList2& GetMediaList() { return m_files; }

private:
    CMediaList2 m_files;
};
