#pragma once
// The QuickTime AIFF export writer (type 650).
#include "CQuickTimeMovieWriter.h"

class CQuickTimeAifExportWriter : public CQuickTimeMovieWriter {
public:
    explicit CQuickTimeAifExportWriter(CDirectShowGraph* graph = nullptr, const char* name = "QuickTime AIF Export");
};
