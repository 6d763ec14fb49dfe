#include "CQuickTime3gpExportWriter.h"

#include "FourCharCode.h"
#include "WriterIds.h"

CQuickTime3gpExportWriter::CQuickTime3gpExportWriter(CDirectShowGraph* graph, const char* name)
    : CQuickTimeExportWriter(graph, name, FourCharCode("3gpp"))
{
    UseIdFor(CLSID_QuickTime3gpExport, CLSID_QuickTime3gpExport2, {59301, 60995});
}
