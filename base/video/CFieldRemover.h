#pragma once
// Removes interlacing from a frame in place by doubling one field.
#include "CVideoProcessor.h"

class CFieldRemover : public CVideoProcessor {
public:
    void SetVideoFrame(BYTE* data, EColorFormat format, int width, int height, bool keepSecondField);
    void Process();

private:
    void RemoveField(BYTE* first, int lineSize, int lines);

    bool m_keepSecondField = false;
};
