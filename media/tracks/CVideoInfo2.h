#pragma once
// A video format: image size plus frame rate.
#include "CImageInfo2.h"

class CVideoInfo2 : public CImageInfo2 {
    MV_DECLARE_PERSIST_CLASS(CVideoInfo2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // A rate that is not above 0 becomes 0.
    MV_DECLARE_PROPERTY(FrameRate, double, double)

    double GetFrameRate() const { return m_frameRate; }

    static constexpr LONG kFrameRateChangedNotice = FourCharCode("vif5");

private:
    double m_frameRate = 0;
};
