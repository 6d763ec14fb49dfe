#include "CFileTagReader.h"

#include "afx/kernel/CFile.h"

CFileTagReader::CFileTagReader(const char* path, CDirectShowFilter* input)
    : CTagReader(input), m_path(path ? path : "")
{
}

bool CFileTagReader::Read(CMediaTags& tags)
{
    CFile file;
    if (!file.Open(m_path, CFile::modeRead | CFile::shareDenyWrite)) return false;
    return ReadFile(file, tags);
}
