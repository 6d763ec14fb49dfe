#include "CAudioCaptureWithIndicatorInputFilters2.h"

#include "CAudioCaptureFilter.h"
#include "CAudioIndicatorFilter.h"
#include "CBufferFilter.h"
#include "CFilterPin.h"
#include "CInfinitePinTeeFilter.h"

const char* const CAudioCaptureWithIndicatorInputFilters2::kTeeError = "Unable to create Tee.";
const char* const CAudioCaptureWithIndicatorInputFilters2::kIndicatorError = "Unable to create audio indicator.";
const char* const CAudioCaptureWithIndicatorInputFilters2::kConnectTeeError = "Unable to connect Tee.";
const char* const CAudioCaptureWithIndicatorInputFilters2::kConnectIndicatorError =
    "Unable to connect audio indicator.";

CAudioCaptureWithIndicatorInputFilters2::CAudioCaptureWithIndicatorInputFilters2(CDirectShowGraph* graph)
    : CAudioCaptureInputFilters2(graph)
{
    m_doubleBuffer = true;
}

CAudioCaptureWithIndicatorInputFilters2::~CAudioCaptureWithIndicatorInputFilters2()
{
    CAudioCaptureWithIndicatorInputFilters2::Release();
    delete m_tee;
    delete m_indicator;
}

bool CAudioCaptureWithIndicatorInputFilters2::Prepare()
{
    CAudioCaptureInputFilters2::Prepare();
    if (!m_tee) m_tee = new CInfinitePinTeeFilter(m_graph, "Tee");
    if (!m_indicator) m_indicator = new CAudioIndicatorFilter(m_graph, "Audio Indicator");
    return true;
}

bool CAudioCaptureWithIndicatorInputFilters2::CreateSelf()
{
    if (!CAudioCaptureInputFilters2::CreateSelf()) return false;
    const char* error = !m_tee->Create() ? kTeeError : !m_indicator->Create() ? kIndicatorError : nullptr;
    if (!error) return true;
    SetErrorText(error);
    Release();
    return false;
}

void CAudioCaptureWithIndicatorInputFilters2::Release()
{
    if (m_indicator) m_indicator->Release();
    if (m_tee) m_tee->Release();
    CAudioCaptureInputFilters2::Release();
}

bool CAudioCaptureWithIndicatorInputFilters2::Connect()
{
    // The base joins the capture pin to the double buffer with the chosen type.
    if (!CAudioCaptureInputFilters2::Connect()) return false;
    CFilterPin* audio = m_buffer ? m_buffer->GetOutputPin() : GetCaptureAudioPin();
    if (!audio->Connect(m_tee->GetInputPin(), nullptr)) {
        SetErrorText(kConnectTeeError);
        return false;
    }
    if (!m_tee->GetPreviewPin()->Connect(m_indicator->GetInputPin(), nullptr)) {
        SetErrorText(kConnectIndicatorError);
        return false;
    }
    return true;
}

void CAudioCaptureWithIndicatorInputFilters2::Disconnect()
{
    if (m_indicator) m_indicator->GetInputPin()->Disconnect();
    if (m_tee) m_tee->GetInputPin()->Disconnect();
    CAudioCaptureInputFilters2::Disconnect();
}

// The level picture is offered to every output; whichever set takes it first connects it.
int CAudioCaptureWithIndicatorInputFilters2::GetVideoPinCount(EOutputType)
{
    return m_indicator && m_indicator->GetFilter() ? 1 : 0;
}

CFilterPin* CAudioCaptureWithIndicatorInputFilters2::GetVideoPin(EOutputType type, int index)
{
    return GetVideoPinCount(type) > 0 && index == 0 ? m_indicator->GetOutputPin() : nullptr;
}

CFilterPin* CAudioCaptureWithIndicatorInputFilters2::GetAudioPin(EOutputType type, int index)
{
    if (type != kOutputProcessing || index != 0 || !m_audioCapture->GetFilter()) return nullptr;
    if (m_tee && m_tee->GetCapturePin()->GetPin()) return m_tee->GetCapturePin();
    return GetAudioEnd();
}
