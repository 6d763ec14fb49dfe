#pragma once
// The render set that crops, scales, flips and turns the picture before showing it.
#include "CRenderOutputFilters2.h"
#include "EImageFlip.h"
#include "EImageRotation.h"
#include "TVideoScaling.h"

class CAdjustedRenderOutputFilters2 : public CRenderOutputFilters2 {
public:
    explicit CAdjustedRenderOutputFilters2(CDirectShowGraph* graph = nullptr);

    bool ConnectVideoChain(CVideoTransformChain* chain, int index) override;
    virtual bool ConnectVideoScaler(CVideoTransformChain* chain);
    virtual bool NeedScaler(CVideoTransformChain* chain, unsigned short& width, unsigned short& height,
                            bool& cropped);

    void SetWidth(unsigned short width) { m_width = width; }
    void SetHeight(unsigned short height) { m_height = height; }
    void SetCropLeft(unsigned short left) { m_cropLeft = left; }
    void SetCropTop(unsigned short top) { m_cropTop = top; }
    void SetCropRight(unsigned short right) { m_cropRight = right; }
    void SetCropBottom(unsigned short bottom) { m_cropBottom = bottom; }
    void SetInputAspectRatio(double ratio) { m_inputAspect = ratio; }
    void SetOutputAspectRatio(double ratio) { m_outputAspect = ratio; }
    void SetScaling(TVideoScaling scaling) { m_scaling = scaling; }
    void SetFlip(EImageFlip flip) { m_flip = flip; }
    void SetRotation(EImageRotation rotation) { m_rotation = rotation; }

private:
    unsigned short m_width = 0;
    unsigned short m_height = 0;
    unsigned short m_cropLeft = 0;
    unsigned short m_cropTop = 0;
    unsigned short m_cropRight = 0;
    unsigned short m_cropBottom = 0;
    EImageFlip m_flip = kImageFlipNone;
    EImageRotation m_rotation = kImageRotationNone;
    double m_inputAspect = 4.0 / 3.0;
    double m_outputAspect = 16.0 / 9.0;
    TVideoScaling m_scaling = kScaleToFit;
};
