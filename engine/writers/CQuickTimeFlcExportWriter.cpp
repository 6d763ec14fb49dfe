#include "CQuickTimeFlcExportWriter.h"

#include "FourCharCode.h"
#include "WriterIds.h"

CQuickTimeFlcExportWriter::CQuickTimeFlcExportWriter(CDirectShowGraph* graph, const char* name)
    : CQuickTimeMovieWriter(graph, name, CLSID_QuickTimeFlcExport, FourCharCode("FLC "))
{
}
