#include "CRealFileWriter.h"

#include "WriterIds.h"

CRealFileWriter::CRealFileWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_RealFileWriter);
    AddStreamPins();
}
