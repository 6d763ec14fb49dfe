#pragma once
// The QuickTime DV export writer (types 610, 611).
#include "CQuickTimeExportWriter.h"

class CQuickTimeDvExportWriter : public CQuickTimeExportWriter {
public:
    explicit CQuickTimeDvExportWriter(CDirectShowGraph* graph = nullptr, const char* name = "QuickTime DV Export");
};
