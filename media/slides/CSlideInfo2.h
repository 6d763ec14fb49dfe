#pragma once
// One slide of a show: an image with its aspect ratio and the seconds it is shown.
#include "CAspectRatioInfo2.h"
#include "CImageFile2.h"
#include "MvMediaProperty.h"

class CSlideInfo2 : public CImageFile2 {
    MV_DECLARE_PERSIST_CLASS(CSlideInfo2)
public:
    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Duration, double, double)

    double GetDuration() const { return m_duration; }
    CAspectRatioInfo2& GetAspectRatio() { return m_aspectRatio; }

    static constexpr LONG kDurationChangedNotice = FourCharCode("slig");

private:
    CAspectRatioInfo2 m_aspectRatio;
    double m_duration = 3;
};
