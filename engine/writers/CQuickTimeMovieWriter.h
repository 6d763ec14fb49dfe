#pragma once
// Base of the QuickTime writers that export a movie into another file type.
#include "CQuickTimeFileWriter.h"

class CQuickTimeMovieWriter : public CQuickTimeFileWriter {
public:
    CQuickTimeMovieWriter(CDirectShowGraph* graph, const char* name, const GUID& id, ULONG fileType);
};
