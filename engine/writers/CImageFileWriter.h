#pragma once
// The image file writer (type 1700); the folder of its path is made when missing.
#include "CFileWriterFilter.h"

class CImageFileWriter : public CFileWriterFilter {
public:
    explicit CImageFileWriter(CDirectShowGraph* graph = nullptr, const char* name = "File Writer");

    bool Create() override;
};
