#include "dshow/transforms/TimeCleanerStage.h"

#include "dshow/transforms/TransformIds.h"
#include "win32/audio/WaveFormat.h"

#include <algorithm>

HRESULT CTimeCleanerStage::Create(REFIID iid, void** object) { return CreateComObject<CTimeCleanerStage>(iid, object); }

CTimeCleanerStage::CTimeCleanerStage() : CPassThroughFilter(CLSID_TimeCleaner) {}

void CTimeCleanerStage::OnStreamStart()
{
    m_started = false;
    m_origin = m_last = 0;
    m_bytes = 0;
}

HRESULT CTimeCleanerStage::Transform(const MediaSample& sample)
{
    if (!m_started) {
        m_origin = sample.hasTime ? std::max<REFERENCE_TIME>(0, sample.start) : 0;
        m_last = m_origin;
        m_started = true;
    }
    MediaSample clean = sample;
    clean.hasTime = true;
    if (const WAVEFORMATEX* wave = PcmInput()) {
        clean.start = m_origin + m_bytes * kUnitsPerSecond / wave->nAvgBytesPerSec;
        m_bytes += std::max<LONG>(0, sample.size);
        clean.stop = m_origin + m_bytes * kUnitsPerSecond / wave->nAvgBytesPerSec;
    } else {
        REFERENCE_TIME length = sample.hasTime ? std::max<REFERENCE_TIME>(0, sample.stop - sample.start) : 0;
        clean.start = sample.hasTime ? std::max(sample.start, m_last) : m_last;
        clean.stop = clean.start + length;
    }
    m_last = std::max(m_last, clean.stop > clean.start ? clean.stop : clean.start);
    return Pass(clean);
}
