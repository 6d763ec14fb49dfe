#pragma once
// The QuickTime MP4 export writer (type 640).
#include "CQuickTimeExportWriter.h"

class CQuickTimeMp4ExportWriter : public CQuickTimeExportWriter {
public:
    explicit CQuickTimeMp4ExportWriter(CDirectShowGraph* graph = nullptr, const char* name = "QuickTime MP4 Export");
};
