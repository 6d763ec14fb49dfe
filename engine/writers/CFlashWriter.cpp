#include "CFlashWriter.h"

#include "WriterIds.h"

CFlashWriter::CFlashWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_FlashWriter);
}
