#include "dshow/transforms/PulseRegulatorStage.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/TransformIds.h"

#include <cmath>

namespace {
constexpr double kMaxRate = 1000;
}

HRESULT CPulseRegulatorStage::Create(REFIID iid, void** object)
{
    return CreateComObject<CPulseRegulatorStage>(iid, object);
}

CPulseRegulatorStage::CPulseRegulatorStage() : CVideoStageFilter(CLSID_PulseRegulator) { TakeAnyPicture(); }

void* CPulseRegulatorStage::FindInterface(REFIID iid)
{
    if (iid == IPulseRegulatorSettings::kIid) return static_cast<IPulseRegulatorSettings*>(this);
    return CVideoStageFilter::FindInterface(iid);
}

HRESULT CPulseRegulatorStage::SetFrameRate(double rate)
{
    if (!std::isfinite(rate) || rate < 0 || rate > kMaxRate) return E_INVALIDARG;
    if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
    m_rate = rate;
    return S_OK;
}

HRESULT CPulseRegulatorStage::SetRetime(BYTE on)
{
    m_retime = on != 0;
    return S_OK;
}

REFERENCE_TIME CPulseRegulatorStage::FrameTime(const VIDEOINFOHEADER& input) const
{
    if (m_rate > 0) return std::max<REFERENCE_TIME>(1, std::llround(double(kUnitsPerSecond) / m_rate));
    return input.AvgTimePerFrame > 0 ? input.AvgTimePerFrame : kUnitsPerSecond / 25;
}

HRESULT CPulseRegulatorStage::OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type)
{
    const HRESULT hr = CVideoStageFilter::OutputType(input, index, type);
    if (hr != S_OK) return hr;
    reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat)->AvgTimePerFrame = FrameTime(input);
    return S_OK;
}

void CPulseRegulatorStage::OnStreamStart()
{
    const VIDEOINFOHEADER* input = InputInfo();
    m_frame = input ? FrameTime(*input) : kUnitsPerSecond / 25;
    m_next = 0;
    m_held.clear();
    m_heldStop = 0;
}

HRESULT CPulseRegulatorStage::SendHeldUntil(REFERENCE_TIME until)
{
    while (!m_held.empty() && m_next * m_frame < until) {
        MediaSample out;
        out.data = m_held.data();
        out.size = LONG(m_held.size());
        out.hasTime = true;
        out.start = m_next * m_frame;
        out.stop = out.start + m_frame;
        ++m_next;
        HRESULT hr = Pass(out);
        if (hr != S_OK) return hr;
    }
    return S_OK;
}

HRESULT CPulseRegulatorStage::Picture(const MediaSample& sample)
{
    if (m_retime || !sample.hasTime) {
        MediaSample out = sample;
        out.hasTime = true;
        out.start = m_next * m_frame;
        out.stop = out.start + m_frame;
        ++m_next;
        return Pass(out);
    }
    // The picture held so far covers every frame time up to this one's start.
    HRESULT hr = SendHeldUntil(sample.start);
    if (hr != S_OK) return hr;
    m_held.assign(sample.data, sample.data + sample.size);
    const VIDEOINFOHEADER* input = InputInfo();
    REFERENCE_TIME length = sample.stop > sample.start ? sample.stop - sample.start
                          : input && input->AvgTimePerFrame > 0 ? input->AvgTimePerFrame
                                                                 : m_frame;
    m_heldStop = sample.start + length;
    // A picture that starts before frame times already sent still shows from the next one.
    m_next = std::max(m_next, sample.start / m_frame);
    return S_OK;
}

HRESULT CPulseRegulatorStage::Drain()
{
    HRESULT hr = SendHeldUntil(m_heldStop);
    m_held.clear();
    return hr == VFW_E_NOT_CONNECTED ? S_OK : hr;
}
