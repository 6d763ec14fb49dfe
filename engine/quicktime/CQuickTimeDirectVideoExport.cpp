#include "CQuickTimeDirectVideoExport.h"

#include "CQtSampleHandle.h"
#include "UColorSpace.h"
#include "UQuickTimeUtils.h"
#include "UQuickTimeCalls.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr OSType kBgra = 0x42475241;

TimeValue Ticks(double seconds)
{
    const double ticks = std::round(seconds * CQuickTimeDirectVideoExport::kTimeScale);
    return std::isfinite(ticks) ? TimeValue(std::clamp(ticks, double(INT32_MIN), double(INT32_MAX))) : 0;
}

} // namespace

CQuickTimeDirectVideoExport::CQuickTimeDirectVideoExport()
    : CQuickTimeDirectTrackExport(StandardCompressionSubType), m_color(EColorFormat(106))
{
}

CQuickTimeDirectVideoExport::~CQuickTimeDirectVideoExport() { Close(); }

void CQuickTimeDirectVideoExport::SetColor(EColorFormat format)
{
    m_color = format;
    m_lineSize = UColorSpace::GetLineSize(m_color, m_width);
}

void CQuickTimeDirectVideoExport::SetWidth(unsigned short width)
{
    m_width = width;
    m_lineSize = UColorSpace::GetLineSize(m_color, m_width);
}

bool CQuickTimeDirectVideoExport::SupportColor(EColorFormat format) { return format >= 100 && format <= 107; }

bool CQuickTimeDirectVideoExport::Open()
{
    if (!CQuickTimeDirectTrackExport::Open() || !m_qt) return false;
    if (!m_description) m_description = m_qt->NewHandleClear(sizeof(ImageDescription));
    m_timeScale = kTimeScale;
    // QuickTime may refuse the source here and take it later; the track opens regardless.
    AddDataSource(VideoMediaType, kTimeScale, &GetProperty, &GetData);
    return true;
}

void CQuickTimeDirectVideoExport::Close()
{
    CQuickTimeDirectTrackExport::Close();
    if (m_description) m_qt->DisposeHandle(m_description);
    m_description = nullptr;
}

void CQuickTimeDirectVideoExport::CopyData(CQtSampleHandle& sample, const unsigned char* data, uint32_t size,
                                           double start, double duration)
{
    sample.SetStart(start);
    sample.SetDuration(duration);
    if (m_topDown) {
        sample.Allocate(0, false);
        if (data && size) sample.Append(data, size);
        return;
    }
    const uint32_t line = uint32_t(std::max(m_lineSize, 0L));
    const uint32_t frame = line * m_height;
    sample.Allocate(frame, false);
    if (!frame) return;
    std::memset(sample.GetBuffer(), 0, frame);
    // Only the rows the data holds: the last line of the source becomes the first.
    const uint32_t rows = data ? std::min<uint32_t>(m_height, size / line) : 0;
    for (uint32_t row = 0; row < rows; ++row)
        std::memcpy(sample.GetPtr((m_height - 1 - row) * line), data + size_t(row) * line, line);
}

void CQuickTimeDirectVideoExport::RefreshDescription()
{
    auto* d = reinterpret_cast<ImageDescription*>(*m_description);
    std::memset(d, 0, sizeof *d);
    d->idSize = sizeof(ImageDescription);
    d->cType = kBgra;
    d->spatialQuality = 512;
    d->width = int16_t(m_width);
    d->height = int16_t(m_height);
    d->hRes = d->vRes = 0x00480000;
    d->dataSize = int32_t(m_lineSize * m_height);
    d->frameCount = 1;
    d->depth = int16_t(UColorSpace::GetPixelSize(m_color) * 8);
    d->clutID = -1;
}

OSErr CQuickTimeDirectVideoExport::GetProperty(void* track, int32_t, OSType property, void* value)
{
    auto* self = static_cast<CQuickTimeDirectVideoExport*>(track);
    return self && value ? self->GetPropertySelf(property, value) : paramErr;
}

OSErr CQuickTimeDirectVideoExport::GetPropertySelf(OSType property, void* value)
{
    const OSErr read = m_compressor ? OSErr(m_qt->SCGetInfo(m_compressor, property, value)) : paramErr;
    switch (property) {
    case movieExportTimeScale: *static_cast<Fixed*>(value) = Fixed(uint32_t(m_timeScale) << 16); return noErr;
    case movieExportWidth: *static_cast<Fixed*>(value) = Fixed(m_width) << 16; return noErr;
    case movieExportHeight: *static_cast<Fixed*>(value) = Fixed(m_height) << 16; return noErr;
    case scDataRateSettingsType: {
        auto* rate = static_cast<SCDataRateSettings*>(value);
        rate->dataRate = int32_t(m_bitrate / 8);
        rate->frameDuration = m_frameRate > 0 ? int32_t(std::lround(1000 / m_frameRate)) : 0;
        rate->minSpatialQuality = rate->minTemporalQuality = m_quality;
        break;
    }
    case scSpatialSettingsType: static_cast<SCSpatialSettings*>(value)->spatialQuality = m_quality; break;
    case scTemporalSettingsType: {
        auto* temporal = static_cast<SCTemporalSettings*>(value);
        temporal->temporalQuality = m_quality;
        temporal->frameRate = UQuickTimeUtils::DoubleToFixed(m_frameRate);
        break;
    }
    default: break;
    }
    return read == noErr ? noErr : paramErr;
}

OSErr CQuickTimeDirectVideoExport::GetData(void* track, MovieExportGetDataParams* params)
{
    auto* self = static_cast<CQuickTimeDirectVideoExport*>(track);
    return self && params ? self->GetDataSelf(*params) : paramErr;
}

OSErr CQuickTimeDirectVideoExport::GetDataSelf(MovieExportGetDataParams& params)
{
    CQtSampleHandle* sample = GetEncodeBuffer(kEncodeTimeout);
    if (!sample || !m_description) {
        ClearFlags();
        return eofErr;
    }
    RefreshDescription();
    params.actualTime = Ticks(sample->GetStart());
    params.dataPtr = reinterpret_cast<Ptr>(sample->GetBuffer());
    params.dataSize = int32_t(sample->GetSize());
    params.desc = m_description;
    params.descType = VideoMediaType;
    params.descSeed = 1;
    params.actualSampleCount = 1;
    params.durationPerSample = Ticks(sample->GetDuration());
    params.sampleFlags = 0;
    return noErr;
}
