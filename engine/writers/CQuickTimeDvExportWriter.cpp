#include "CQuickTimeDvExportWriter.h"

#include "FourCharCode.h"
#include "WriterIds.h"

CQuickTimeDvExportWriter::CQuickTimeDvExportWriter(CDirectShowGraph* graph, const char* name)
    : CQuickTimeExportWriter(graph, name, FourCharCode("dvc!"))
{
    SetId(CLSID_QuickTimeDvExport);
}
