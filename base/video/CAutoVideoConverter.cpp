#include "CAutoVideoConverter.h"

#include "CAspectRatioConverter.h"
#include "StoreChanged.h"

void CAutoVideoConverter::SetVideoScaling(TVideoScaling v)
{
    if (StoreChanged(m_videoScaling, v))
        Reset();
}

void CAutoVideoConverter::SetInputAspectRatio(double v)
{
    if (StoreChanged(m_inputAspectRatio, v))
        Reset();
}

void CAutoVideoConverter::SetOutputAspectRatio(double v)
{
    if (StoreChanged(m_outputAspectRatio, v))
        Reset();
}

void CAutoVideoConverter::Initialize()
{
    ScaleToOutput();
    CVideoConverter::Initialize();
}

void CAutoVideoConverter::ScaleToOutput()
{
    if (m_videoScaling == kScaleToFit || m_inputAspectRatio == m_outputAspectRatio)
        ScaleToOutputScaleToFit();
    else if (m_videoScaling == kPanScan)
        ScaleToOutputPanScan();
    else
        ScaleToOutputLetterBox();
}

void CAutoVideoConverter::SetUpAspect(CAspectRatioConverter& aspect) const
{
    aspect.SetOriginalRect(m_inputAspectRatio, m_originalWidth, m_originalHeight);
    aspect.SetTargetRect(m_outputAspectRatio, m_targetWidth, m_targetHeight);
    aspect.SetRotate(m_imageRotation == kImageRotationLeft || m_imageRotation == kImageRotationRight);
}

void CAutoVideoConverter::ScaleToOutputScaleToFit()
{
    SetInputRect(0, 0, m_originalWidth, m_originalHeight);
    SetOutputRect(0, 0, m_targetWidth, m_targetHeight);
}

void CAutoVideoConverter::ScaleToOutputPanScan()
{
    SetOutputRect(0, 0, m_targetWidth, m_targetHeight);
    CAspectRatioConverter aspect;
    SetUpAspect(aspect);
    CArea area(m_inputX, m_inputY, m_inputWidth, m_inputHeight);
    aspect.GetPanScanInputRect(area);
    SetInputRect(area.GetLeft(), area.GetTop(), area.GetWidth(), area.GetHeight());
}

void CAutoVideoConverter::ScaleToOutputLetterBox()
{
    SetInputRect(0, 0, m_originalWidth, m_originalHeight);
    CAspectRatioConverter aspect;
    SetUpAspect(aspect);
    CArea area(m_outputX, m_outputY, m_outputWidth, m_outputHeight);
    aspect.GetLetterBoxOutputRect(area);
    SetOutputRect(area.GetLeft(), area.GetTop(), area.GetWidth(), area.GetHeight());
}
