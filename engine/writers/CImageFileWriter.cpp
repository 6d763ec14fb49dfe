#include "CImageFileWriter.h"

#include "UDirectoryUtils.h"
#include "WriterIds.h"

CImageFileWriter::CImageFileWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_FlashWriter);
}

bool CImageFileWriter::Create()
{
    if (GetFilter()) return true;
    if (!m_filePath.IsEmpty()) UDirectoryUtils::EstablishPath(m_filePath);
    return CFileWriterFilter::Create();
}
