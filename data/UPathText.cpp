#include "UPathText.h"

CString UPathText::FilePath(const char* path)
{
    CString text(path);
    text.Replace('\\', '/');
    return text;
}

CString UPathText::FolderPath(const char* path)
{
    CString text = FilePath(path);
    if (text.IsEmpty() || text[text.GetLength() - 1] != '/') text += '/';
    return text;
}
