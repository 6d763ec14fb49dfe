#pragma once
// A frame rate a video capture size offers and the colour formats it offers it in.
#include "CPersistObject.h"
#include "CPersistValueList.h"
#include "MvMediaProperty.h"

class CVideoCaptureFrameRate2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CVideoCaptureFrameRate2)
public:
    CVideoCaptureFrameRate2() = default;
    CVideoCaptureFrameRate2(const CVideoCaptureFrameRate2&) = default;
    CVideoCaptureFrameRate2& operator=(const CVideoCaptureFrameRate2&) = default;
    ~CVideoCaptureFrameRate2() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // A rate that is not above 0 (or not a number) keeps the current one.
    MV_DECLARE_PROPERTY(FrameRate, double, double)
    double GetFrameRate() const { return m_frameRate; }

    int GetColorCount() const { return m_colors.GetItemCount(); }
    LONG GetColor(int index) const { return m_colors.GetAt(index); }
    void AddColor(LONG color) { m_colors.Add(color); }
    void RemoveColor(LONG color) { m_colors.Remove(color); }
    // Adds the colour format only when absent.
    void Add(LONG color);

    static constexpr LONG kType = FourCharCode("vcf2");
    static constexpr LONG kFrameRateChangedNotice = FourCharCode("vcf4");

private:
    double m_frameRate = 0;
    CPersistValueList m_colors;
};
