#pragma once
// A video track with its format, aspect ratio, transformation and crop rectangle (edges
// in source pixels; right and bottom one beyond the last kept column and row).
#include "CAspectRatioInfo2.h"
#include "CMediaTrack.h"
#include "CVideoInfo2.h"
#include "CVideoTransformation.h"

class CVideoTrack : public CMediaTrack {
    MV_DECLARE_PERSIST_CLASS(CVideoTrack)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;
    // "720x576, 25.00fps".
    CString GetSummary() override;

    // Left and top stay inside the picture and push right and bottom along.
    MV_DECLARE_PROPERTY(CropLeft, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(CropTop, unsigned short, unsigned short)
    // Right and bottom stay beyond left and top and inside the picture.
    MV_DECLARE_PROPERTY(CropRight, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(CropBottom, unsigned short, unsigned short)

    // An uncropped track reports the whole picture.
    unsigned short GetCropLeft();
    unsigned short GetCropTop();
    unsigned short GetCropRight();
    unsigned short GetCropBottom();
    void ResetCrop();
    // Gives the aspect ratio the shape of the cropped picture, stretched.
    void AdjustAspectRatio();

    CVideoInfo2& GetVideoInfo() { return m_info; }
    CAspectRatioInfo2& GetAspectRatio() { return m_aspectRatio; }
    CVideoTransformation& GetTransformation() { return m_transformation; }

    static constexpr LONG kCropLeftChangedNotice = FourCharCode("vtrl");
    static constexpr LONG kCropTopChangedNotice = FourCharCode("vtrm");
    static constexpr LONG kCropRightChangedNotice = FourCharCode("vtrn");
    static constexpr LONG kCropBottomChangedNotice = FourCharCode("vtro");

private:
    void InitCrop();

    CVideoInfo2 m_info;
    CAspectRatioInfo2 m_aspectRatio;
    CVideoTransformation m_transformation;
    unsigned short m_cropLeft = 0;
    unsigned short m_cropTop = 0;
    unsigned short m_cropRight = 0;
    unsigned short m_cropBottom = 0;
};
