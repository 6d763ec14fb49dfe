#include "afx/internet/CInternetFile.h"

UINT CInternetFile::Read(void*, UINT) { return 0; }

BOOL CInternetFile::ReadString(CString& line)
{
    line.Empty();
    return FALSE;
}

void CInternetFile::Write(const void*, UINT count)
{
    if (count > 0) m_writeFailed = TRUE;
}

void CInternetFile::Close() {}
