#pragma once
// The scaler and colour converter of the video chain. Its settings are stored before
// creation and passed through whichever of its seven settings interfaces the filter offers.
#include "CTransformerFilter.h"
#include "EColorFormat.h"
#include "EImageFlip.h"
#include "EImageRotation.h"
#include "TVideoScaling.h"

struct IScalerEffects;
struct IScalerColorFormat;
struct IScalerCropMode;
struct IScalerOutputSize;
struct IScalerCrop;
struct IScalerOrientation;
struct IScalerOutputRate;

class CColorConverterFilter : public CTransformerFilter {
public:
    explicit CColorConverterFilter(CDirectShowGraph* graph = nullptr, const char* name = "Color Converter");
    ~CColorConverterFilter() override;

    // Chooses the cropping filter when a crop is set; true whenever the filter was created.
    bool Create() override;
    void Release() override;

    // Width and height 0 keep the input size.
    void SetSize(unsigned short width, unsigned short height);
    void SetCrop(unsigned short left, unsigned short top, unsigned short right, unsigned short bottom);
    void SetFlip(EImageFlip flip) { m_flip = flip; }
    void SetRotation(EImageRotation rotation) { m_rotation = rotation; }
    // An aspect ratio of 0 takes the source's.
    void SetInputAspect(double aspect) { m_inputAspect = aspect; }
    void SetOutputAspect(double aspect) { m_outputAspect = aspect; }
    void SetScaling(TVideoScaling scaling) { m_scaling = scaling; }
    void SetColorFormat(EColorFormat format) { m_colorFormat = format; }
    void SetGreyScale(bool on) { m_greyScale = on; }
    void SetFreeScale(bool on) { m_freeScale = on; }

    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }
    EColorFormat GetColorFormat() const { return m_colorFormat; }
    bool IsCropping() const { return m_cropRight != 0 && m_cropBottom != 0; }

private:
    void PassSettings();

    IScalerEffects* m_effects = nullptr;
    IScalerColorFormat* m_color = nullptr;
    IScalerCropMode* m_cropMode = nullptr;
    IScalerOutputSize* m_size = nullptr;
    IScalerCrop* m_crop = nullptr;
    IScalerOrientation* m_orientation = nullptr;
    IScalerOutputRate* m_rate = nullptr;

    unsigned short m_width = 0;
    unsigned short m_height = 0;
    unsigned short m_cropLeft = 0;
    unsigned short m_cropTop = 0;
    unsigned short m_cropRight = 0;
    unsigned short m_cropBottom = 0;
    EImageFlip m_flip = kImageFlipNone;
    EImageRotation m_rotation = kImageRotationNone;
    double m_inputAspect = 0;
    double m_outputAspect = 0;
    TVideoScaling m_scaling = kScaleToFit;
    EColorFormat m_colorFormat = EColorFormat(0);
    bool m_greyScale = false;
    bool m_freeScale = false;
};
