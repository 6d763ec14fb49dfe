#include "CQuickTimeDirectAudioExport.h"

#include "CQtSampleHandle.h"
#include "UQuickTimeCalls.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

constexpr OSType kMp4a = 0x6D703461, kQclp = 0x51636C70, kTwos = 0x74776F73;

} // namespace

CQuickTimeDirectAudioExport::CQuickTimeDirectAudioExport() : CQuickTimeDirectTrackExport(StandardCompressionSubTypeSound)
{
}

CQuickTimeDirectAudioExport::~CQuickTimeDirectAudioExport() { Close(); }

uint32_t CQuickTimeDirectAudioExport::GetEncodeSize(uint32_t samples) const
{
    return uint32_t(uint64_t(m_bitsPerSample) * m_channels * samples / 8);
}

bool CQuickTimeDirectAudioExport::Open()
{
    if (!CQuickTimeDirectTrackExport::Open() || !m_qt) return false;
    if (!m_description) m_description = m_qt->NewHandleClear(sizeof(SoundDescription));
    return m_description && AddDataSource(SoundMediaType, TimeScale(m_sampleRate), &GetProperty, &GetData);
}

void CQuickTimeDirectAudioExport::Close()
{
    CQuickTimeDirectTrackExport::Close();
    if (m_description) m_qt->DisposeHandle(m_description);
    m_description = nullptr;
}

void CQuickTimeDirectAudioExport::RefreshDescription()
{
    auto* d = reinterpret_cast<SoundDescription*>(*m_description);
    std::memset(d, 0, sizeof *d);
    d->descSize = sizeof(SoundDescription);
    d->dataFormat = kTwos;
    d->numChannels = int16_t(m_channels);
    d->sampleSize = int16_t(m_bitsPerSample);
    d->sampleRate = m_sampleRate << 16;
}

OSErr CQuickTimeDirectAudioExport::GetProperty(void* track, int32_t, OSType property, void* value)
{
    auto* self = static_cast<CQuickTimeDirectAudioExport*>(track);
    if (!self || !self->m_compressor) return paramErr;
    if (property == scSoundVBRType) {
        OSType type = 0;
        self->m_qt->SCGetInfo(self->m_compressor, scSoundCompressionType, &type);
        if (type == kMp4a || type == kQclp) {
            *static_cast<Boolean*>(value) = 1;
            return noErr;
        }
    }
    return OSErr(self->m_qt->SCGetInfo(self->m_compressor, property, value));
}

OSErr CQuickTimeDirectAudioExport::GetData(void* track, MovieExportGetDataParams* params)
{
    auto* self = static_cast<CQuickTimeDirectAudioExport*>(track);
    return self && params ? self->GetDataSelf(*params) : paramErr;
}

OSErr CQuickTimeDirectAudioExport::GetDataSelf(MovieExportGetDataParams& params)
{
    const unsigned frameBits = unsigned(m_bitsPerSample) * m_channels;
    CQtSampleHandle* sample = GetEncodeBuffer(kEncodeTimeout);
    if (!sample || !m_description || frameBits == 0) {
        ClearFlags();
        return eofErr;
    }
    RefreshDescription();
    const double start = sample->GetStart() * m_sampleRate;
    // A start that is no number is taken as following on.
    const int64_t startSample = std::isfinite(start) ? std::llround(start) : params.requestedTime;
    const int64_t gap = startSample - params.requestedTime;
    if (gap > 0 && gap <= int64_t(kMaxGapSeconds * m_sampleRate)) {
        // Silence up to the sample, which comes with the next call.
        sample = ReplaceEncodeBuffer();
        sample->Allocate(0, false);
        sample->AppendZero(uint32_t(gap * frameBits / 8));
        params.actualTime = params.requestedTime;
    } else {
        params.actualTime = gap > 0 ? params.requestedTime : TimeValue(std::max<int64_t>(startSample, INT32_MIN));
    }
    params.dataPtr = reinterpret_cast<Ptr>(sample->GetBuffer());
    params.dataSize = int32_t(sample->GetSize());
    params.desc = m_description;
    params.descType = SoundMediaType;
    params.descSeed = 1;
    params.actualSampleCount = int32_t(uint64_t(sample->GetSize()) * 8 / frameBits);
    params.durationPerSample = 1;
    params.sampleFlags = 0;
    return noErr;
}
