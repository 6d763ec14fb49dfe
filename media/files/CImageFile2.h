#pragma once
// A still image file with its size.
#include "CImageInfo2.h"
#include "CPersistFile2.h"

class CImageFile2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CImageFile2)
public:
    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CPersistFile2& GetFilePath() { return m_path; }
    CImageInfo2& GetImageInfo() { return m_info; }

private:
    CPersistFile2 m_path;
    CImageInfo2 m_info;
};
