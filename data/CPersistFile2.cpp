#include "CPersistFile2.h"

#include "UFileUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistFile2, CPersistObject, FourCharCode("psf2"))

CString CPersistFile2::GetFileNameOnly() const
{
    return CString(UFileUtils::GetFileNameOnly(GetFilePath()));
}

CString CPersistFile2::GetFileNameWithoutExtension() const
{
    return CString(UFileUtils::GetFileNameWithoutExtension(GetFilePath()));
}

CString CPersistFile2::GetPathOnly() const
{
    return CString(UFileUtils::GetPathOnly(GetFilePath()));
}

bool CPersistFile2::ReplaceExtension(const char* extension)
{
    // A copy first: the next text from the shared ring could overwrite it.
    CString path(UFileUtils::ReplaceExtension(GetFilePath(), extension));
    return SetFilePath(path);
}
