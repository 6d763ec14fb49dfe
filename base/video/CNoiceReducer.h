#pragma once
// Removes isolated luma spikes: a pixel far above or below all four neighbours takes their mean.
#include "CVideoProcessor.h"

class CNoiceReducer : public CVideoProcessor {
public:
    void Process();
    void ProcessY();
    void ProcessU() {}
    void ProcessV() {}
    static void ProcessData(BYTE& value, BYTE left, BYTE right, BYTE up, BYTE down);
};
