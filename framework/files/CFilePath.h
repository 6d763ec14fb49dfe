#pragma once
#include "CPath.h"

class CFilePath : public CPath {
public:
    CFilePath() = default;
    explicit CFilePath(const char* path) : CPath(path) {}
    bool IsDir() const override { return false; }
};
