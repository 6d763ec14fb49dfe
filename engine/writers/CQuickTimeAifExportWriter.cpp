#include "CQuickTimeAifExportWriter.h"

#include "FourCharCode.h"
#include "WriterIds.h"

CQuickTimeAifExportWriter::CQuickTimeAifExportWriter(CDirectShowGraph* graph, const char* name)
    : CQuickTimeMovieWriter(graph, name, CLSID_QuickTimeAifExport, FourCharCode("AIFF"))
{
}
