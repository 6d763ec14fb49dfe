#pragma once
// The system's file writer behind a multiplexer; an existing file of the path goes first.
#include "CFileWriterFilter.h"

class CStandardFileWriter : public CFileWriterFilter {
public:
    explicit CStandardFileWriter(CDirectShowGraph* graph = nullptr, const char* name = "Standard File Writer");

    bool Create() override;
};
