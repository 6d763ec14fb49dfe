#pragma once
// The QuickTime movie export writer (type 601).
#include "CQuickTimeExportWriter.h"

class CQuickTimeMovExportWriter : public CQuickTimeExportWriter {
public:
    explicit CQuickTimeMovExportWriter(CDirectShowGraph* graph = nullptr, const char* name = "QuickTime Export");
};
