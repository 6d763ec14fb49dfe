#pragma once
// Still images taken from a video while it is converted.
#include "CPersistObject.h"
#include "EMediaOutput.h"
#include "MvMediaProperty.h"

class CSnapshotOutput : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CSnapshotOutput)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(FrameCapture, EFrameCapture, EFrameCapture)
    MV_DECLARE_PROPERTY(ImageType, EImageType, EImageType)
    // A fraction of the duration, held to 0..1.
    MV_DECLARE_PROPERTY(CapturePosition, double, double)
    MV_DECLARE_PROPERTY(Resize, bool, bool)
    // Below 80 keeps the stored width.
    MV_DECLARE_PROPERTY(Width, unsigned short, unsigned short)
    // Below 60 keeps the stored height.
    MV_DECLARE_PROPERTY(Height, unsigned short, unsigned short)

    EFrameCapture GetFrameCapture() const { return m_frameCapture; }
    EImageType GetImageType() const { return m_imageType; }
    double GetCapturePosition() const { return m_capturePosition; }
    bool GetResize() const { return m_resize; }
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }

    static constexpr LONG kFrameCaptureChangedNotice = FourCharCode("snap");
    static constexpr LONG kImageTypeChangedNotice = FourCharCode("snaq");
    static constexpr LONG kCapturePositionChangedNotice = FourCharCode("snar");
    static constexpr LONG kResizeChangedNotice = FourCharCode("snas");
    static constexpr LONG kWidthChangedNotice = FourCharCode("snat");
    static constexpr LONG kHeightChangedNotice = FourCharCode("snau");

private:
    EFrameCapture m_frameCapture = 0;
    EImageType m_imageType = kDefaultImageType;
    double m_capturePosition = 0.05;
    bool m_resize = false;
    unsigned short m_width = 320;
    unsigned short m_height = 240;
};
