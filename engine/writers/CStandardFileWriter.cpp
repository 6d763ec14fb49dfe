#include "CStandardFileWriter.h"

#include "UFileUtils.h"
#include "WriterIds.h"

CStandardFileWriter::CStandardFileWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_FileWriter);
    SetOwnComponent(false);
    SetSystemComponent(true);
}

bool CStandardFileWriter::Create()
{
    if (GetFilter()) return true;
    // The system writer writes over the old bytes without cutting the file.
    if (!m_filePath.IsEmpty()) UFileUtils::DeleteFileA(m_filePath);
    return CFileWriterFilter::Create();
}
