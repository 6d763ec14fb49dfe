#include "CQuickTimeMp4ExportWriter.h"

#include "FourCharCode.h"
#include "WriterIds.h"

CQuickTimeMp4ExportWriter::CQuickTimeMp4ExportWriter(CDirectShowGraph* graph, const char* name)
    : CQuickTimeExportWriter(graph, name, FourCharCode("mpg4"))
{
    UseIdFor(CLSID_QuickTimeMp4Export, CLSID_QuickTimeMp4Export2, {31198, 59301, 87232});
}
