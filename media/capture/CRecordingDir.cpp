#include "CRecordingDir.h"

#include "CRecordingFile.h"

MV_IMPLEMENT_PERSIST_CLASS(CRecordingDir, CPersistPath, FourCharCode("rdir"))

CRecordingDir& CRecordingDir::operator=(const CRecordingDir& other)
{
    if (this == &other) return *this;
    CPersistPath::operator=(other);
    m_files = other.m_files;
    return *this;
}

void CRecordingDir::AddFile(CRecordingFile* file)
{
    m_files.Add(file);
}
