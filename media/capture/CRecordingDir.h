#pragma once
// A recorder's folder with the recordings found in it; only the folder is stored.
#include "CPersistList.h"
#include "CPersistPath.h"

class CRecordingFile;

class CRecordingDir : public CPersistPath {
    MV_DECLARE_PERSIST_CLASS(CRecordingDir)
public:
    CRecordingDir() = default;
    CRecordingDir(const CRecordingDir& other) = default;
    CRecordingDir& operator=(const CRecordingDir& other);
    ~CRecordingDir() override = default;

    // The folder takes ownership.
    void AddFile(CRecordingFile* file);
    CPersistList& GetFileList() { return m_files; }

private:
    CPersistList m_files;
};
