#include "dshow/transforms/TimeShifterStage.h"

#include "dshow/transforms/TransformIds.h"
#include "win32/audio/WaveFormat.h"

#include <cmath>

namespace {
// A day: no shift of a real recording goes further.
constexpr double kMaxShiftSeconds = 86400;
}

HRESULT CTimeShifterStage::Create(REFIID iid, void** object) { return CreateComObject<CTimeShifterStage>(iid, object); }

CTimeShifterStage::CTimeShifterStage() : CPassThroughFilter(CLSID_TimeShifter) {}

void* CTimeShifterStage::FindInterface(REFIID iid)
{
    if (iid == ITimeShifterSettings::kIid) return static_cast<ITimeShifterSettings*>(this);
    return CPassThroughFilter::FindInterface(iid);
}

HRESULT CTimeShifterStage::SetShift(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0 || seconds > kMaxShiftSeconds) return E_INVALIDARG;
    m_shift = REFERENCE_TIME(std::llround(seconds * double(kUnitsPerSecond)));
    return S_OK;
}

HRESULT CTimeShifterStage::Transform(const MediaSample& sample)
{
    const REFERENCE_TIME shift = m_shift;
    if (!sample.hasTime || shift == 0) return Pass(sample);
    if (sample.stop <= shift && sample.stop > sample.start) return S_OK;
    MediaSample shifted = sample;
    if (sample.start < shift) {
        const WAVEFORMATEX* wave = PcmInput();
        if (!wave) return S_OK; // a coded sample cannot be cut: it starts before the shift
        LONGLONG cut = (shift - sample.start) * wave->nAvgBytesPerSec / kUnitsPerSecond;
        cut -= cut % wave->nBlockAlign;
        if (cut >= sample.size) return S_OK;
        shifted.data += cut;
        shifted.size -= LONG(cut);
        shifted.start = shift;
    }
    shifted.start -= shift;
    shifted.stop = std::max<REFERENCE_TIME>(shifted.start, shifted.stop - shift);
    return Pass(shifted);
}
