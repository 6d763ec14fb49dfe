#include "CVideoTransformChain.h"

#include "CColorConverterFilter.h"
#include "CDecoderFilter.h"
#include "CHandle.h"
#include "CPulseRegulatorFilter.h"
#include "CSnapshotFilter.h"
#include "CSubtitleFilter.h"
#include "CVideoDecoderInfo.h"
#include "CVideoEncoderFilter.h"
#include "CWatermarkFilter.h"
#include "ChainStages.h"
#include "DvDecoderInterface.h"
#include "UDirectShowUtils.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"

CVideoTransformChain::CVideoTransformChain(CDirectShowGraph* graph, CFilterPin* inputPin)
    : CTransformChain(graph, inputPin)
{
}

CVideoTransformChain::~CVideoTransformChain()
{
    Disconnect();
    CVideoTransformChain::ReleaseSelf();
}

CDecoderInfo* CVideoTransformChain::GetDecoderInfo()
{
    return CVideoDecoderInfo::GetInfo();
}

bool CVideoTransformChain::ConnectDecoder()
{
    if (!CTransformChain::ConnectDecoder()) return false;
    IIPDVDec* dv = nullptr;
    if (m_decoder->GetFilter() && SUCCEEDED(QueryInterfaceTo(m_decoder->GetFilter(), &dv)) && dv) {
        dv->put_IPDisplay(DVRESOLUTION_FULL);
        dv->Release();
    }
    return true;
}

bool CVideoTransformChain::ConnectSubtitleMixer()
{
    if (!m_subtitlePin) return true;
    CFilterPin* end = GetOutputPin();
    if (!m_subtitle) m_subtitle = new CSubtitleFilter(m_graph);
    auto link = [&] {
        return end && m_subtitle->GetVideoInPin() && m_subtitle->GetSubtitleInPin() &&
               m_subtitle->GetVideoInPin()->Connect(end, nullptr) &&
               m_subtitle->GetSubtitleInPin()->Connect(m_subtitlePin, nullptr);
    };
    if (m_subtitle->Create()) {
        if (link()) return true;
        // Mixers name their pins one of two ways.
        m_subtitle->SwitchPinNaming();
        if (link()) return true;
    }
    ReleaseSubtitleMixer();
    return false;
}

bool CVideoTransformChain::ConnectScaler(unsigned short width, unsigned short height, unsigned short cropLeft,
                                         unsigned short cropTop, unsigned short cropRight, unsigned short cropBottom,
                                         EImageFlip flip, EImageRotation rotation, double inAspect, double outAspect,
                                         EColorFormat color, bool greyScale, bool freeScale)
{
    if (!m_scaler) m_scaler = new CColorConverterFilter(m_graph, "Scaler");
    m_scaler->SetSize(width, height);
    m_scaler->SetCrop(cropLeft, cropTop, cropRight, cropBottom);
    m_scaler->SetFlip(flip);
    m_scaler->SetRotation(rotation);
    m_scaler->SetInputAspect(inAspect);
    m_scaler->SetOutputAspect(outAspect);
    m_scaler->SetColorFormat(color);
    m_scaler->SetGreyScale(greyScale);
    m_scaler->SetFreeScale(freeScale);
    return ConnectScalerInput();
}

bool CVideoTransformChain::ConnectScaler(unsigned short width, unsigned short height, EImageFlip flip,
                                         EImageRotation rotation, double inAspect, double outAspect,
                                         TVideoScaling scaling, EColorFormat color, bool greyScale, bool freeScale)
{
    if (!m_scaler) m_scaler = new CColorConverterFilter(m_graph, "Scaler");
    m_scaler->SetSize(width, height);
    m_scaler->SetFlip(flip);
    m_scaler->SetRotation(rotation);
    m_scaler->SetInputAspect(inAspect);
    m_scaler->SetOutputAspect(outAspect);
    m_scaler->SetScaling(scaling);
    m_scaler->SetColorFormat(color);
    m_scaler->SetGreyScale(greyScale);
    m_scaler->SetFreeScale(freeScale);
    return ConnectScalerInput();
}

bool CVideoTransformChain::ConnectScalerInput()
{
    CFilterPin* end = GetOutputPin();
    // The chain end's own type of the wanted colour, when it offers one.
    AM_MEDIA_TYPE* type =
        end && end->GetPin() ? UDirectShowUtils::FindVideoMediaType(end->GetPin(), m_scaler->GetColorFormat()) : nullptr;
    const bool connected = AppendStage(m_scaler, m_graph, end, NoSetup<CColorConverterFilter>, type);
    if (type) DeleteMediaType(type);
    return connected;
}

bool CVideoTransformChain::ConnectSnapshot(EFrameCapture capture, EImageType type, double time, bool resize,
                                           unsigned short width, unsigned short height, const char* path)
{
    return AppendStage(m_snapshot, m_graph, GetOutputPin(), [&](CSnapshotFilter& f) {
        f.SetMode(capture);
        f.SetKind(type);
        f.SetSnapPosition(time);
        f.SetResize(resize);
        f.SetSize(width, height);
        f.SetImageName(path);
    });
}

bool CVideoTransformChain::ConnectPulseRegulator(double frameRate, bool retime)
{
    return AppendStage(m_pulseRegulator, m_graph, GetOutputPin(), [&](CPulseRegulatorFilter& f) {
        f.SetFrameRate(frameRate);
        f.SetRetime(retime);
    });
}

bool CVideoTransformChain::ConnectWatermark()
{
    return AppendStage(m_watermark, m_graph, GetOutputPin(), NoSetup<CWatermarkFilter>);
}

bool CVideoTransformChain::ConnectColorConverter(EColorFormat color, bool flag)
{
    const bool made = m_colorConverter != nullptr;
    return AppendStage(m_colorConverter, m_graph, GetOutputPin(), [&](CColorConverterFilter& f) {
        if (made) return;
        f.SetColorFormat(color);
        f.SetFreeScale(flag);
    });
}

bool CVideoTransformChain::ConnectEncoder(const char* codecName, const char* codecDevice, unsigned short width,
                                          unsigned short height, double frameRate, unsigned char quality,
                                          CHandle& settings)
{
    if (!m_encoder) {
        m_encoder = new CVideoEncoderFilter(m_graph);
        m_encoder->SetCodec(codecName, codecDevice);
        m_encoder->SetQuality(quality);
        m_encoder->SetState(settings);
    }
    CFilterPin* end = GetOutputPin();
    if (!end || !m_encoder->Create() || !m_encoder->GetInputPin()) {
        ReleaseEncoder();
        return false;
    }
    SetupEncoder(width, height, frameRate);
    if (m_encoder->GetInputPin()->Connect(end, nullptr)) return true;
    // An encoder that refuses the colour format is reached through a converter.
    if (ConnectColorConverter(EColorFormat(0), false)) {
        if (m_encoder->GetInputPin()->Connect(m_colorConverter->GetOutputPin(), nullptr)) return true;
        ReleaseColorConverter();
    }
    ReleaseEncoder();
    return false;
}

bool CVideoTransformChain::SetupEncoder(unsigned short, unsigned short height, double)
{
    return m_encoder && m_encoder->SetSizeClass(SizeClass(height));
}

void CVideoTransformChain::ReleaseSubtitleMixer()
{
    if (!m_subtitle) return;
    for (CFilterPin* pin : {m_subtitle->GetSubtitleInPin(), m_subtitle->GetOutputPin(), m_subtitle->GetVideoInPin()})
        if (pin) pin->Disconnect();
    m_subtitle->Release();
    delete m_subtitle;
    m_subtitle = nullptr;
}

void CVideoTransformChain::ReleaseScaler()
{
    ReleaseStage(m_scaler);
}

void CVideoTransformChain::ReleaseSnapshot()
{
    ReleaseStage(m_snapshot);
}

void CVideoTransformChain::ReleasePulseRegulator()
{
    ReleaseStage(m_pulseRegulator);
}

void CVideoTransformChain::ReleaseWatermark()
{
    ReleaseStage(m_watermark);
}

void CVideoTransformChain::ReleaseColorConverter()
{
    ReleaseStage(m_colorConverter);
}

void CVideoTransformChain::ReleaseEncoder()
{
    ReleaseStage(m_encoder);
}

void CVideoTransformChain::ReleaseSelf()
{
    ReleaseEncoder();
    ReleaseColorConverter();
    ReleasePulseRegulator();
    ReleaseWatermark();
    ReleaseSnapshot();
    ReleaseScaler();
    ReleaseSubtitleMixer();
    CTransformChain::ReleaseSelf();
}

CFilterPin* CVideoTransformChain::GetNextPin(CFilterPin* pin)
{
    CFilterPin* next = nullptr;
    if (pin && m_subtitle && pin->GetConnectedPin() && pin->GetConnectedPin() == m_subtitle->GetVideoInPin())
        return m_subtitle->GetOutputPin();
    if (StageAfter(m_colorConverter, pin, next) || StageAfter(m_scaler, pin, next) ||
        StageAfter(m_snapshot, pin, next) || StageAfter(m_pulseRegulator, pin, next) ||
        StageAfter(m_watermark, pin, next) || StageAfter(m_encoder, pin, next))
        return next;
    return CTransformChain::GetNextPin(pin);
}

CFilterPin* CVideoTransformChain::GetPreviousPin(CFilterPin* pin)
{
    CFilterPin* previous = nullptr;
    if (pin && m_subtitle && m_subtitle->GetOutputPin() == pin)
        return m_subtitle->GetVideoInPin() ? m_subtitle->GetVideoInPin()->GetConnectedPin() : nullptr;
    if (StageBefore(m_colorConverter, pin, previous) || StageBefore(m_scaler, pin, previous) ||
        StageBefore(m_snapshot, pin, previous) || StageBefore(m_pulseRegulator, pin, previous) ||
        StageBefore(m_watermark, pin, previous) || StageBefore(m_encoder, pin, previous))
        return previous;
    // Walking on through the base stages unlinks the decoders too.
    return CTransformChain::GetPreviousPin(pin);
}

bool CVideoTransformChain::IsDecoderPin()
{
    return m_decoder && m_decoder->GetOutputPin() && GetOutputPin() == m_decoder->GetOutputPin();
}

bool CVideoTransformChain::GetVideoSetting(unsigned short& width, unsigned short& height, double& frameRate,
                                           double& aspect)
{
    CFilterPin* end = GetOutputPin();
    IPin* pin = end ? end->GetPin() : nullptr;
    return pin && UDirectShowUtils::GetPinVideoFormat(pin, width, height, frameRate, aspect);
}

bool CVideoTransformChain::GetVideoSize(unsigned short& width, unsigned short& height, double& aspect)
{
    double frameRate = 0;
    return GetVideoSetting(width, height, frameRate, aspect);
}

bool CVideoTransformChain::GetFrameRate(double& frameRate)
{
    unsigned short width = 0;
    unsigned short height = 0;
    double aspect = 0;
    return GetVideoSetting(width, height, frameRate, aspect);
}
