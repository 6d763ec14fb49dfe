#include "CQuickTimeMovieWriter.h"

CQuickTimeMovieWriter::CQuickTimeMovieWriter(CDirectShowGraph* graph, const char* name, const GUID& id,
                                             ULONG fileType)
    : CQuickTimeFileWriter(graph, name)
{
    SetId(id);
    m_fileType = fileType;
}
