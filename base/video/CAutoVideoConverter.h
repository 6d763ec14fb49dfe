#pragma once
// A video converter that chooses its input and output rectangles from the aspect ratios of the
// input and output pictures: stretched to fit, pan-and-scan or letter-box.
#include "CVideoConverter.h"
#include "TVideoScaling.h"


class CAspectRatioConverter;

class CAutoVideoConverter : public CVideoConverter {
public:
    void Initialize() override;
    virtual void ScaleToOutput();

    void SetVideoScaling(TVideoScaling v);
    void SetInputAspectRatio(double v);
    void SetOutputAspectRatio(double v);
    TVideoScaling GetVideoScaling() const { return m_videoScaling; }
    double GetInputAspectRatio() const { return m_inputAspectRatio; }
    double GetOutputAspectRatio() const { return m_outputAspectRatio; }

    void ScaleToOutputScaleToFit();
    void ScaleToOutputPanScan();
    void ScaleToOutputLetterBox();

protected:
    // An aspect-ratio converter set up with this converter's ratios and sizes.
    void SetUpAspect(CAspectRatioConverter& aspect) const;

    TVideoScaling m_videoScaling = kLetterBox;
    double m_inputAspectRatio = 4.0 / 3.0;
    double m_outputAspectRatio = 4.0 / 3.0;
};
