#pragma once
// The QuickTime 3GP export writer (types 630, 631).
#include "CQuickTimeExportWriter.h"

class CQuickTime3gpExportWriter : public CQuickTimeExportWriter {
public:
    explicit CQuickTime3gpExportWriter(CDirectShowGraph* graph = nullptr, const char* name = "QuickTime 3GP Export");
};
