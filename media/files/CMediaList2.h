#pragma once
// A list of media files.
#include "TRecordList.h"

class CMediaFile2;

class CMediaList2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaList2)
public:
    CMediaList2();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only media files, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The list takes the file.
    void AddFile(CMediaFile2* file);
    // Takes the file out and deletes it.
    void RemoveFile(CMediaFile2* file);
    CMediaFile2* GetFile(int index) const;
    int GetFileCount() const { return m_files.Count(); }
    int GetFileIndex(const CMediaFile2* file) const;
    CPersistList& GetFiles() { return m_files.List(); }

private:
    TRecordList<CMediaFile2> m_files;
};
