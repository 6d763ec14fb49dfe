#include "CAdjustedRenderOutputFilters2.h"

#include "CVideoTransformChain.h"

CAdjustedRenderOutputFilters2::CAdjustedRenderOutputFilters2(CDirectShowGraph* graph) : CRenderOutputFilters2(graph)
{
}

bool CAdjustedRenderOutputFilters2::ConnectVideoChain(CVideoTransformChain* chain, int index)
{
    if (!CDecodingOutputFilters::ConnectVideoChain(chain, index)) return false;
    // Without its scaler the picture is still shown, unadjusted.
    ConnectVideoScaler(chain);
    return ConnectVideoPath(chain);
}

bool CAdjustedRenderOutputFilters2::NeedScaler(CVideoTransformChain* chain, unsigned short& width,
                                               unsigned short& height, bool& cropped)
{
    cropped = false;
    unsigned short imageWidth = 0;
    unsigned short imageHeight = 0;
    double aspect = 0;
    if (!chain->GetVideoSize(imageWidth, imageHeight, aspect)) return false;
    if (aspect == 0) aspect = m_inputAspect;
    const unsigned short cropWidth = m_cropRight > m_cropLeft ? m_cropRight - m_cropLeft : 0;
    const unsigned short cropHeight = m_cropBottom > m_cropTop ? m_cropBottom - m_cropTop : 0;
    if (cropWidth != 0 && cropHeight != 0 && (cropWidth < imageWidth || cropHeight < imageHeight)) {
        width = cropWidth;
        height = cropHeight;
        cropped = true;
        return true;
    }
    width = imageWidth;
    height = imageHeight;
    return m_inputAspect != aspect || m_inputAspect != m_outputAspect || m_flip != kImageFlipNone ||
           m_rotation != kImageRotationNone;
}

bool CAdjustedRenderOutputFilters2::ConnectVideoScaler(CVideoTransformChain* chain)
{
    unsigned short width = 0;
    unsigned short height = 0;
    bool cropped = false;
    if (!NeedScaler(chain, width, height, cropped)) return TestColor(chain);
    if (cropped)
        return chain->ConnectScaler(width, height, m_cropLeft, m_cropTop, m_cropRight, m_cropBottom, m_flip,
                                    m_rotation, m_inputAspect, m_outputAspect, EColorFormat(0));
    return chain->ConnectScaler(width, height, m_flip, m_rotation, m_inputAspect, m_outputAspect, m_scaling,
                                EColorFormat(0), false, m_freeScale);
}
