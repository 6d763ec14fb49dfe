#pragma once
// Loads queued picture files on a worker thread and records the size of each that loads;
// a file that does not load is dropped.
#include "CBitmapLoader.h"
#include "TFileCheckThread.h"

class CImageFile2;

class CImageFileCheckThread : public TFileCheckThread<CImageFile2> {
public:
    ~CImageFileCheckThread() override;

protected:
    CImageFile2* CheckFile(const char* path) override;

private:
    CBitmapLoader m_loader;
};
