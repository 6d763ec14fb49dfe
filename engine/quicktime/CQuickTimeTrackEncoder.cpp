#include "CQuickTimeTrackEncoder.h"

#include "UQuickTimeCalls.h"

#include <cmath>

namespace {

int64_t Round(double value) { return std::isfinite(value) ? std::llround(value) : 0; }

} // namespace

CQuickTimeTrackEncoder::CQuickTimeTrackEncoder() : m_qt(UQuickTimeCalls::Get()) {}

CQuickTimeTrackEncoder::~CQuickTimeTrackEncoder() { CloseTrack(); }

bool CQuickTimeTrackEncoder::Open()
{
    if (IsOpen()) Close();
    if (!m_track) OpenTrack();
    return m_movie && m_track && m_media;
}

void CQuickTimeTrackEncoder::CloseTrack()
{
    if (m_track && m_media && m_qt) {
        m_qt->EndMediaEdits(m_media);
        const TimeValue duration = m_qt->GetMediaDuration(m_media);
        const TimeScale movieScale = m_qt->GetMovieTimeScale(m_movie);
        const TimeValue at = TimeValue(Round(double(m_firstTime) * movieScale / m_scale));
        m_qt->InsertMediaIntoTrack(m_track, at, 0, duration, fixed1);
    }
    m_media = nullptr;
    m_track = nullptr;
}

bool CQuickTimeTrackEncoder::AddSample(uint32_t size, double start, double duration, int16_t flags,
                                       SampleDescriptionHandle description)
{
    if (!m_media || !m_qt) return false;
    if (!m_added && start != 0) m_firstTime = TimeValue(Round(start * m_scale));
    // A start that goes backwards would give no time or less: the sample keeps one tick.
    const int64_t ticks = Round((start + duration) * m_scale) - m_firstTime - m_nextTime;
    const TimeValue sampleDuration = TimeValue(ticks < 1 ? 1 : ticks > INT32_MAX ? INT32_MAX : ticks);
    TimeValue at = 0;
    const OSErr error = m_qt->AddMediaSample(m_media, m_data, 0, size, sampleDuration,
                                             description ? description : m_description, 1, flags, &at);
    if (error != noErr) return false;
    m_added = true;
    m_nextTime = at + sampleDuration;
    return true;
}

bool CQuickTimeTrackEncoder::AddSample(uint32_t size, uint32_t start, uint32_t count, int16_t flags,
                                       SampleDescriptionHandle description)
{
    if (!m_media || !m_qt) return false;
    if (!m_added && start != 0) m_firstTime = TimeValue(start);
    TimeValue at = 0;
    const OSErr error = m_qt->AddMediaSample(m_media, m_data, 0, size, 1, description ? description : m_description,
                                             int32_t(count), flags, &at);
    if (error != noErr) return false;
    m_added = true;
    m_nextTime = at + TimeValue(count);
    return true;
}
