#include "CVideoConverter.h"
#include "StoreChanged.h"

#include <algorithm>

#include "CRgb16VideoScaler.h"
#include "CRgb16toRgbVideoScaler.h"
#include "CRgb16toYuvVideoScaler.h"
#include "CRgb8toRgb16VideoScaler.h"
#include "CRgb8toRgbVideoScaler.h"
#include "CRgb8toYuvVideoScaler.h"
#include "CRgbVideoScaler.h"
#include "CRgbtoRgb16VideoScaler.h"
#include "CRgbtoYuvVideoScaler.h"
#include "CYuvVideoScaler.h"
#include "CYuvtoRgb16VideoScaler.h"
#include "CYuvtoRgbVideoScaler.h"
#include "UColorSpace.h"
#include "VideoFormats.h"

using namespace VideoFormats;

namespace {

// Keeps an input rectangle inside a frame that changed from oldLength to length: a rectangle that
// was empty or covered the whole old frame covers the new one; any other is cut to fit.
void FitRange(unsigned short& start, unsigned short& extent, unsigned short oldLength, unsigned short length)
{
    if (extent == 0 && start == 0) {
        extent = length;
    } else if (start == 0 && extent == oldLength) {
        extent = length;
    } else if (start + extent > length) {
        if (start >= length)
            start = 0;
        extent = static_cast<unsigned short>(length - start);
    }
}

}  // namespace

CVideoConverter::CVideoConverter()
{
    if (!UColorSpace::sInitialized)
        UColorSpace::sInitialized = UColorSpace::Initialize();
}

CVideoConverter::CVideoConverter(const CVideoConverter& other)
{
    *this = other;
}

CVideoConverter& CVideoConverter::operator=(const CVideoConverter& other)
{
    if (this == &other)
        return *this;
    Reset();
    std::copy(std::begin(other.m_red), std::end(other.m_red), m_red);
    std::copy(std::begin(other.m_green), std::end(other.m_green), m_green);
    std::copy(std::begin(other.m_blue), std::end(other.m_blue), m_blue);
    m_originalWidth = other.m_originalWidth;
    m_originalHeight = other.m_originalHeight;
    m_inputX = other.m_inputX;
    m_inputY = other.m_inputY;
    m_inputWidth = other.m_inputWidth;
    m_inputHeight = other.m_inputHeight;
    m_inputImageWidth = other.m_inputImageWidth;
    m_inputImageHeight = other.m_inputImageHeight;
    m_targetWidth = other.m_targetWidth;
    m_targetHeight = other.m_targetHeight;
    m_outputX = other.m_outputX;
    m_outputY = other.m_outputY;
    m_outputWidth = other.m_outputWidth;
    m_outputHeight = other.m_outputHeight;
    m_outputImageWidth = other.m_outputImageWidth;
    m_outputImageHeight = other.m_outputImageHeight;
    m_inputColor = other.m_inputColor;
    m_outputColor = other.m_outputColor;
    m_greyScale = other.m_greyScale;
    m_inputTopDown = other.m_inputTopDown;
    m_outputTopDown = other.m_outputTopDown;
    m_flip = other.m_flip;
    m_imageFlip = other.m_imageFlip;
    m_imageRotation = other.m_imageRotation;
    m_mask = other.m_mask;
    m_blackBorder = other.m_blackBorder;
    return *this;
}

CVideoConverter::~CVideoConverter()
{
    // Not virtual dispatch: a derived part is gone by now.
    CVideoConverter::Reset();
}

void CVideoConverter::Reset()
{
    m_scaler.reset();
    m_bridgeScaler.reset();
    m_bridgeBuffer.clear();
    m_bridgeBuffer.shrink_to_fit();
}

#define MV_CONVERTER_SETTER(Name, Type, field) \
    void CVideoConverter::Name(Type v)         \
    {                                          \
        if (StoreChanged(field, v))                   \
            Reset();                           \
    }

MV_CONVERTER_SETTER(SetInputX, unsigned short, m_inputX)
MV_CONVERTER_SETTER(SetInputY, unsigned short, m_inputY)
MV_CONVERTER_SETTER(SetInputWidth, unsigned short, m_inputWidth)
MV_CONVERTER_SETTER(SetInputHeight, unsigned short, m_inputHeight)
MV_CONVERTER_SETTER(SetInputImageWidth, unsigned short, m_inputImageWidth)
MV_CONVERTER_SETTER(SetInputImageHeight, unsigned short, m_inputImageHeight)
MV_CONVERTER_SETTER(SetOutputX, unsigned short, m_outputX)
MV_CONVERTER_SETTER(SetOutputY, unsigned short, m_outputY)
MV_CONVERTER_SETTER(SetOutputWidth, unsigned short, m_outputWidth)
MV_CONVERTER_SETTER(SetOutputHeight, unsigned short, m_outputHeight)
MV_CONVERTER_SETTER(SetOutputImageWidth, unsigned short, m_outputImageWidth)
MV_CONVERTER_SETTER(SetOutputImageHeight, unsigned short, m_outputImageHeight)
MV_CONVERTER_SETTER(SetInputColor, EColorFormat, m_inputColor)
MV_CONVERTER_SETTER(SetOutputColor, EColorFormat, m_outputColor)
MV_CONVERTER_SETTER(SetGreyScale, bool, m_greyScale)
MV_CONVERTER_SETTER(SetFlip, bool, m_flip)

#undef MV_CONVERTER_SETTER

void CVideoConverter::SetOriginalWidth(unsigned short w)
{
    const unsigned short x = m_inputX, width = m_inputWidth;
    FitRange(m_inputX, m_inputWidth, m_originalWidth, w);
    if (StoreChanged(m_originalWidth, w) || x != m_inputX || width != m_inputWidth)
        Reset();
}

void CVideoConverter::SetOriginalHeight(unsigned short h)
{
    const unsigned short y = m_inputY, height = m_inputHeight;
    FitRange(m_inputY, m_inputHeight, m_originalHeight, h);
    if (StoreChanged(m_originalHeight, h) || y != m_inputY || height != m_inputHeight)
        Reset();
}

void CVideoConverter::SetTargetWidth(unsigned short w)
{
    if (StoreChanged(m_targetWidth, w)) {
        m_outputX = 0;
        m_outputWidth = w;
        Reset();
    }
}

void CVideoConverter::SetTargetHeight(unsigned short h)
{
    if (StoreChanged(m_targetHeight, h)) {
        m_outputY = 0;
        m_outputHeight = h;
        Reset();
    }
}

void CVideoConverter::SetInputFormat(EColorFormat format, unsigned short width, unsigned short height)
{
    SetInputColor(format);
    SetOriginalWidth(width);
    SetOriginalHeight(height);
}

void CVideoConverter::SetOutputFormat(EColorFormat format, unsigned short width, unsigned short height)
{
    SetOutputColor(format);
    SetTargetWidth(width);
    SetTargetHeight(height);
}

void CVideoConverter::SetPalette(BYTE r, BYTE g, BYTE b, BYTE index)
{
    m_red[index] = r;
    m_green[index] = g;
    m_blue[index] = b;
}

void CVideoConverter::SetInputRect(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    m_inputX = x;
    m_inputY = y;
    m_inputWidth = width;
    m_inputHeight = height;
}

void CVideoConverter::SetOutputRect(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    m_outputX = x;
    m_outputY = y;
    m_outputWidth = width;
    m_outputHeight = height;
}

size_t CVideoConverter::GetBufferSize(EColorFormat format, unsigned short width, unsigned short height)
{
    const size_t w = width, h = height;
    switch (format) {
    case kColorRgb555:
    case kColorRgb565:
    case kColorUyvy:
    case kColorYuy2:
    case kColorYvyu: return w * h * 2;
    case kColorRgb24: return h * size_t(UColorSpace::GetLineSize(kColorRgb24, width));
    case kColorIyuv:
    case kColorYv12:
    case kColorI420: return w * h * 3 / 2;
    case kColorYvu9: return w * h * 9 / 8;
    default: return w * h * 4;
    }
}

size_t CVideoConverter::GetOutputBufferSize() const
{
    if (m_outputImageWidth && m_outputImageHeight)
        return GetBufferSize(m_outputColor, m_outputImageWidth, m_outputImageHeight);
    return GetBufferSize(m_outputColor, m_targetWidth, m_targetHeight);
}

// ---- Building ----

bool CVideoConverter::NeedBridge(EColorFormat& format, unsigned short& width, unsigned short& height)
{
    if (m_outputColor == kColorRgb8) {
        format = kColorAyuv;
        width = m_targetWidth;
        height = m_targetHeight;
        return true;
    }
    format = m_outputColor;
    const bool rgbOutput = (m_outputColor >= kColorRgb555 && m_outputColor <= kColorArgb32) || IsPartRgb(m_outputColor);
    const bool rgbInput = m_inputColor >= kColorRgb555 && m_inputColor <= kColorArgb32;
    if (rgbInput == rgbOutput)
        return false;
    const unsigned short ow = m_originalWidth, oh = m_originalHeight, tw = m_targetWidth, th = m_targetHeight;
    if (m_imageRotation == kImageRotationLeft || m_imageRotation == kImageRotationRight) {
        // The bridge frame is in the output's orientation: its width comes from the input's height.
        if (th <= ow && tw <= oh)
            return false;
        width = std::min(oh, tw);
        height = std::min(ow, th);
        return true;
    }
    if (tw <= ow && th <= oh)
        return false;
    width = std::min(ow, tw);
    height = std::min(oh, th);
    return true;
}

std::unique_ptr<CVideoScaler> CVideoConverter::BuildScaler(EColorFormat input, EColorFormat output) const
{
    enum { kYuv, kRgb8, kRgb16, kRgb };
    const int in = input == kColorRgb8 ? kRgb8 : IsRgb16(input) ? kRgb16 : IsRgb(input) ? kRgb : kYuv;
    std::unique_ptr<CVideoScaler> scaler;
    if (IsRgb16(output)) {
        switch (in) {
        case kYuv: scaler = std::make_unique<CYuvtoRgb16VideoScaler>(); break;
        case kRgb8: scaler = std::make_unique<CRgb8toRgb16VideoScaler>(); break;
        case kRgb16: scaler = std::make_unique<CRgb16VideoScaler>(); break;
        default: scaler = std::make_unique<CRgbtoRgb16VideoScaler>(); break;
        }
    } else if ((output >= kColorRgb24 && output <= kColorArgb32) || IsPartRgb(output)) {
        switch (in) {
        case kYuv: scaler = std::make_unique<CYuvtoRgbVideoScaler>(); break;
        case kRgb8: scaler = std::make_unique<CRgb8toRgbVideoScaler>(); break;
        case kRgb16: scaler = std::make_unique<CRgb16toRgbVideoScaler>(); break;
        default: scaler = std::make_unique<CRgbVideoScaler>(); break;
        }
    } else {
        switch (in) {
        case kYuv: scaler = std::make_unique<CYuvVideoScaler>(); break;
        case kRgb8: scaler = std::make_unique<CRgb8toYuvVideoScaler>(); break;
        case kRgb16: scaler = std::make_unique<CRgb16toYuvVideoScaler>(); break;
        default: scaler = std::make_unique<CRgbtoYuvVideoScaler>(); break;
        }
    }
    scaler->SetBlackBorder(m_blackBorder);
    return scaler;
}

void CVideoConverter::BuildScalers(bool bridge, EColorFormat format)
{
    Reset();
    if (bridge) {
        m_scaler = BuildScaler(m_inputColor, format);
        m_bridgeScaler = BuildScaler(format, m_outputColor);
    } else {
        m_scaler = BuildScaler(m_inputColor, m_outputColor);
    }
    if (m_inputColor == kColorRgb8)
        for (int i = 0; i < 256; ++i)
            m_scaler->SetPalette(m_red[i], m_green[i], m_blue[i], BYTE(i));
}

void CVideoConverter::Initialize()
{
    if (m_scaler)
        return;
    EColorFormat format = m_outputColor;
    unsigned short width = 0, height = 0;
    const bool bridge = NeedBridge(format, width, height);
    BuildScalers(bridge, format);
    if (!m_scaler)
        return;
    InitializeScalers();
    if (bridge)
        InitializeWithBridge(format, width, height);
    else
        InitializeWithoutBridge();
}

void CVideoConverter::InitializeScalers()
{
    m_scaler->SetFlip(m_flip);
    m_scaler->SetInputTopDown(m_inputTopDown);
    m_scaler->SetOutputTopDown(m_outputTopDown);
    m_scaler->SetColor(!m_greyScale);
    m_scaler->SetImageFlip(m_imageFlip);
    m_scaler->SetImageRotation(m_imageRotation);
}

void CVideoConverter::CopyInputInfo(CVideoScaler* scaler)
{
    scaler->SetOriginalWidth(m_originalWidth);
    scaler->SetOriginalHeight(m_originalHeight);
    scaler->SetInputX(m_inputX);
    scaler->SetInputY(m_inputY);
    scaler->SetInputWidth(m_inputWidth);
    scaler->SetInputHeight(m_inputHeight);
    scaler->SetInputColor(m_inputColor);
    scaler->SetInputImageWidth(m_inputImageWidth);
    scaler->SetInputImageHeight(m_inputImageHeight);
}

void CVideoConverter::CopyOutputInfo(CVideoScaler* scaler)
{
    scaler->SetTargetWidth(m_targetWidth);
    scaler->SetTargetHeight(m_targetHeight);
    scaler->SetOutputX(m_outputX);
    scaler->SetOutputY(m_outputY);
    scaler->SetOutputWidth(m_outputWidth);
    scaler->SetOutputHeight(m_outputHeight);
    scaler->SetOutputColor(m_outputColor);
    scaler->SetOutputImageWidth(m_outputImageWidth);
    scaler->SetOutputImageHeight(m_outputImageHeight);
}

void CVideoConverter::InitializeWithoutBridge()
{
    CopyInputInfo(m_scaler.get());
    CopyOutputInfo(m_scaler.get());
}

void CVideoConverter::InitializeWithBridge(EColorFormat format, unsigned short width, unsigned short height)
{
    CVideoScaler& first = *m_scaler;
    CVideoScaler& second = *m_bridgeScaler;
    CopyInputInfo(&first);
    CopyOutputInfo(&second);
    first.SetTargetWidth(width);
    first.SetTargetHeight(height);
    first.SetOutputX(0);
    first.SetOutputY(0);
    first.SetOutputWidth(width);
    first.SetOutputHeight(height);
    second.SetOriginalWidth(width);
    second.SetOriginalHeight(height);
    second.SetInputX(0);
    second.SetInputY(0);
    second.SetInputWidth(width);
    second.SetInputHeight(height);
    second.SetInputTopDown(m_outputTopDown);
    second.SetOutputTopDown(m_outputTopDown);
    first.SetOutputColor(format);
    second.SetInputColor(format);
    m_bridgeBuffer.assign(GetBufferSize(format, width, height), 0);
    first.SetOutputData(m_bridgeBuffer.data());
    second.SetInputData(m_bridgeBuffer.data());
}

// ---- Running ----

CVideoScaler* CVideoConverter::PrepareScalers()
{
    SetFlip(m_inputTopDown != m_outputTopDown);
    Initialize();
    return m_bridgeScaler ? m_bridgeScaler.get() : m_scaler.get();
}

void CVideoConverter::Convert(BYTE* in, BYTE* out, double /*time*/)
{
    if (!PrepareScalers())
        return;
    if (m_bridgeScaler)
        ScaleWithBridge(in, out);
    else
        ScaleWithoutBridge(in, out);
}

void CVideoConverter::ScaleWithoutBridge(BYTE* in, BYTE* out)
{
    m_scaler->SetInputData(in);
    m_scaler->SetOutputData(out);
    if (m_mask)
        m_scaler->SetMask(m_mask);
    else
        m_scaler->ResetMask();
    m_scaler->Scale();
}

void CVideoConverter::ScaleWithBridge(BYTE* in, BYTE* out)
{
    m_scaler->SetInputData(in);
    m_bridgeScaler->SetOutputData(out);
    m_scaler->Scale();
    m_bridgeScaler->Scale();
}

void CVideoConverter::Black()
{
    CVideoScaler* last = PrepareScalers();
    if (last)
        last->Black();
}

void CVideoConverter::BlackAll(BYTE* out)
{
    CVideoScaler* last = PrepareScalers();
    if (last) {
        last->SetOutputData(out);
        last->BlackAll();
    }
}
