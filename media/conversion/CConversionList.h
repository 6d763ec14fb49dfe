#pragma once
// The conversion jobs of a conversion application, in the user's order.
#include "CPersistList.h"

class CMediaConversionData;

class CConversionList : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CConversionList)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only conversion jobs, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The list takes the job; removing deletes it.
    void AddFile(CMediaConversionData* job);
    void RemoveFile(CMediaConversionData* job);
    int GetFileCount() const { return m_files.GetItemCount(); }
    CMediaConversionData* GetFile(int index) const;
    CPersistList& GetFiles() { return m_files; }

private:
    CPersistList m_files{true};
};
