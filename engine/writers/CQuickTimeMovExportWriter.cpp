#include "CQuickTimeMovExportWriter.h"

#include "FourCharCode.h"
#include "WriterIds.h"

CQuickTimeMovExportWriter::CQuickTimeMovExportWriter(CDirectShowGraph* graph, const char* name)
    : CQuickTimeExportWriter(graph, name, FourCharCode("MooV"))
{
    UseIdFor(CLSID_QuickTimeMovExport, CLSID_QuickTimeMovExport2, {10001, 59301, 64481});
}
