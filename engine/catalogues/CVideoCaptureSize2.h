#pragma once
// A frame size a video capture device offers, with its frame rates in ascending order.
#include "CPersistList.h"
#include "CVideoCaptureFrameRate2.h"

class CVideoCaptureSize2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CVideoCaptureSize2)
public:
    CVideoCaptureSize2();
    CVideoCaptureSize2(const CVideoCaptureSize2&) = default;
    CVideoCaptureSize2& operator=(const CVideoCaptureSize2&) = default;
    ~CVideoCaptureSize2() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Width, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(Height, unsigned short, unsigned short)
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }
    ULONG GetSortKey() const { return (ULONG(m_width) << 16) | m_height; }

    int GetFrameRateCount() const { return m_frameRates.GetItemCount(); }
    CVideoCaptureFrameRate2* GetFrameRate(int index) const;
    CVideoCaptureFrameRate2* Find(double frameRate) const;
    CVideoCaptureFrameRate2* Add(double frameRate);
    CVideoCaptureFrameRate2* AddSetting(double frameRate, LONG colorFormat);

    static constexpr LONG kType = FourCharCode("vcs2");
    static constexpr LONG kWidthChangedNotice = FourCharCode("vcs2");
    static constexpr LONG kHeightChangedNotice = FourCharCode("vcs3");

private:
    unsigned short m_width = 0;
    unsigned short m_height = 0;
    CPersistList m_frameRates{true};
};
