#pragma once
// A drag indicator drawn as a solid green frame over a snapshot of the screen, which is
// copied back to erase it.
#include "CDragIndicator.h"

class CScreenCapture;

class CObviousDragIndicator : public CDragIndicator {
public:
    explicit CObviousDragIndicator(HWND window);
    ~CObviousDragIndicator() override;

    void Draw() override;
    void Undraw() override;
    bool HasSnapshot() const { return mSnapshot; }

private:
    HBRUSH mBrush = nullptr;
    HDC mMemoryDc = nullptr;
    CScreenCapture* mCapture = nullptr;
    bool mSnapshot = false;
};
