#pragma once
// The Flash movie writer (type 1300).
#include "CFileWriterFilter.h"

class CFlashWriter : public CFileWriterFilter {
public:
    explicit CFlashWriter(CDirectShowGraph* graph = nullptr, const char* name = "Flash Writer");
};
