#include "CColorConverterFilter.h"

#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "dshow/DShowInterfaces.h"

CColorConverterFilter::CColorConverterFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Video In", "Video Out")
{
    SetId(CLSID_ColorConverter);
    SetOwnComponent(true);
}

CColorConverterFilter::~CColorConverterFilter()
{
    CColorConverterFilter::Release();
}

void CColorConverterFilter::SetSize(unsigned short width, unsigned short height)
{
    m_width = width;
    m_height = height;
}

void CColorConverterFilter::SetCrop(unsigned short left, unsigned short top, unsigned short right,
                                    unsigned short bottom)
{
    m_cropLeft = left;
    m_cropTop = top;
    m_cropRight = right;
    m_cropBottom = bottom;
}

bool CColorConverterFilter::Create()
{
    if (GetFilter()) return true;
    SetId(IsCropping() ? CLSID_CroppingColorConverter : CLSID_ColorConverter);
    if (!CTransformerFilter::Create()) return false;
    IBaseFilter* filter = GetFilter();
    QueryInterfaceTo(filter, &m_effects);
    QueryInterfaceTo(filter, &m_color);
    QueryInterfaceTo(filter, &m_cropMode);
    QueryInterfaceTo(filter, &m_size);
    QueryInterfaceTo(filter, &m_crop);
    QueryInterfaceTo(filter, &m_orientation);
    QueryInterfaceTo(filter, &m_rate);
    PassSettings();
    return true;
}

void CColorConverterFilter::PassSettings()
{
    if (m_effects) {
        m_effects->SetGreyScale(m_greyScale ? 1 : 0);
        m_effects->SetKeepAspect(m_freeScale ? 0 : 1);
    }
    if (m_color) m_color->SetColorFormat(m_colorFormat);
    if (m_cropMode) m_cropMode->SetCropping(IsCropping() ? 1 : 0);
    if (m_size) {
        const bool keepSize = m_width == 0 || m_height == 0;
        m_size->SetKeepSize(keepSize ? 1 : 0);
        if (!keepSize) {
            m_size->SetWidth(m_width);
            m_size->SetHeight(m_height);
        }
        // A rate of 0 leaves the aspect ratio to the source.
        m_size->SetInputAspectFromSource(m_inputAspect == 0 ? 1 : 0);
        if (m_inputAspect != 0) m_size->SetInputAspect(m_inputAspect);
        m_size->SetOutputAspectFromSource(m_outputAspect == 0 ? 1 : 0);
        if (m_outputAspect != 0) m_size->SetOutputAspect(m_outputAspect);
        m_size->SetScaling(m_scaling);
    }
    if (m_crop) {
        m_crop->SetLeft(m_cropLeft);
        m_crop->SetTop(m_cropTop);
        // An edge before its opposite one crops nothing rather than a negative size.
        m_crop->SetCropWidth(m_cropRight > m_cropLeft ? m_cropRight - m_cropLeft : 0);
        m_crop->SetCropHeight(m_cropBottom > m_cropTop ? m_cropBottom - m_cropTop : 0);
        m_crop->SetPlaceLeft(0);
        m_crop->SetPlaceTop(0);
        m_crop->SetPlaceWidth(m_width);
        m_crop->SetPlaceHeight(m_height);
        m_crop->SetFrameWidth(m_width);
        m_crop->SetFrameHeight(m_height);
    }
    if (m_orientation) {
        m_orientation->SetFlip(m_flip);
        m_orientation->SetRotation(m_rotation);
    }
    if (m_rate) m_rate->SetOutputAspect(m_outputAspect);
}

void CColorConverterFilter::Release()
{
    SafeRelease(m_effects);
    SafeRelease(m_color);
    SafeRelease(m_cropMode);
    SafeRelease(m_size);
    SafeRelease(m_crop);
    SafeRelease(m_orientation);
    SafeRelease(m_rate);
    CTransformerFilter::Release();
}
