#pragma once
// The QuickTime FLC export writer (type 620).
#include "CQuickTimeMovieWriter.h"

class CQuickTimeFlcExportWriter : public CQuickTimeMovieWriter {
public:
    explicit CQuickTimeFlcExportWriter(CDirectShowGraph* graph = nullptr, const char* name = "QuickTime FLC Export");
};
