#include "CQuickTimeDirectExportThread.h"

#include "CQuickTimeDirectExporter.h"

CQuickTimeDirectExportThread::~CQuickTimeDirectExportThread() = default;

void CQuickTimeDirectExportThread::ExecuteSelf(long exporter)
{
    if (exporter) reinterpret_cast<CQuickTimeDirectExporter*>(exporter)->Export();
}
