#include "CQuickTimeVideoEncoder.h"

#include "UColorSpace.h"
#include "UQuickTimeCalls.h"
#include "UQuickTimeUtils.h"
#include "win32/gdi/Gdi.h"

#include <algorithm>
#include <cstring>

CQuickTimeVideoEncoder::CQuickTimeVideoEncoder() : m_color(EColorFormat(106)) {}

CQuickTimeVideoEncoder::~CQuickTimeVideoEncoder()
{
    Close();
    CloseTrack();
}

void CQuickTimeVideoEncoder::SetColor(EColorFormat format)
{
    m_color = format;
    m_lineSize = UColorSpace::GetLineSize(m_color, m_width);
}

void CQuickTimeVideoEncoder::SetWidth(unsigned short width)
{
    m_width = width;
    m_lineSize = UColorSpace::GetLineSize(m_color, m_width);
}

bool CQuickTimeVideoEncoder::IsOpen() const { return m_track && m_media && m_world; }

bool CQuickTimeVideoEncoder::SupportColor(EColorFormat format)
{
    return UQuickTimeUtils::SupportColor(m_track, UQuickTimeUtils::GetPixelFormat(format));
}

bool CQuickTimeVideoEncoder::OpenTrack()
{
    if (!m_qt || !m_movie) return false;
    m_track = m_qt->NewMovieTrack(m_movie, Fixed(m_width) << 16, Fixed(m_height) << 16, 0);
    m_scale = kTimeScale;
    m_media = m_track ? m_qt->NewTrackMedia(m_track, VideoMediaType, kTimeScale, nullptr, 0) : nullptr;
    if (m_media && m_qt->BeginMediaEdits(m_media) == noErr) return true;
    if (m_track) m_qt->DisposeMovieTrack(m_track);
    m_track = nullptr;
    m_media = nullptr;
    return false;
}

bool CQuickTimeVideoEncoder::Open()
{
    return CQuickTimeTrackEncoder::Open() && OpenGraphPort();
}

bool CQuickTimeVideoEncoder::OpenGraphPort()
{
    if (m_world) return true;
    if (!m_qt || !m_width || !m_height) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = m_height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(UColorSpace::GetPixelSize(m_color) * 8);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = m_dc ? CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    m_bits = static_cast<unsigned char*>(bits);
    if (m_bitmap) m_oldBitmap = SelectObject(m_dc, m_bitmap);
    if (m_bitmap && m_qt->NewGWorldFromHBITMAP(&m_world, nullptr, nullptr, 0, m_bitmap, m_dc) == noErr && m_world)
        m_pixels = m_qt->GetGWorldPixMap(m_world);
    if (m_pixels) return true;
    CloseGraphPort();
    return false;
}

void CQuickTimeVideoEncoder::CloseGraphPort()
{
    if (m_world) m_qt->DisposeGWorld(m_world);
    m_world = nullptr;
    m_pixels = nullptr;
    if (m_dc && m_oldBitmap) SelectObject(m_dc, m_oldBitmap);
    m_oldBitmap = nullptr;
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_bits = nullptr;
    if (m_dc) DeleteDC(m_dc);
    m_dc = nullptr;
}

void CQuickTimeVideoEncoder::Close()
{
    EndCompression();
    CloseGraphPort();
}

void CQuickTimeVideoEncoder::EndCompression()
{
    if (!m_compressor) return;
    if (m_imageDescription) m_qt->SCCompressSequenceEnd(m_compressor);
    m_qt->CloseComponent(m_compressor);
    m_compressor = nullptr;
    // Both belonged to the sequence.
    m_imageDescription = nullptr;
    m_data = nullptr;
}

bool CQuickTimeVideoEncoder::OpenCompressor()
{
    if (m_compressor || !m_qt) return false;
    if (m_qt->OpenADefaultComponent(StandardCompressionType, StandardCompressionSubType, &m_compressor) != noErr) {
        m_compressor = nullptr;
        return false;
    }
    SCSpatialSettings spatial{};
    m_qt->SCGetInfo(m_compressor, scSpatialSettingsType, &spatial);
    spatial.codecType = m_format;
    spatial.codec = nullptr;
    spatial.depth = 0;
    spatial.spatialQuality = m_quality;
    m_qt->SCSetInfo(m_compressor, scSpatialSettingsType, &spatial);
    SCTemporalSettings temporal{};
    m_qt->SCGetInfo(m_compressor, scTemporalSettingsType, &temporal);
    temporal.frameRate = UQuickTimeUtils::DoubleToFixed(m_frameRate);
    temporal.temporalQuality = m_keyFrame == 0 ? 0 : m_quality;
    temporal.keyFrameRate = m_keyFrame;
    m_qt->SCSetInfo(m_compressor, scTemporalSettingsType, &temporal);
    SCDataRateSettings rate{};
    m_qt->SCGetInfo(m_compressor, scDataRateSettingsType, &rate);
    rate.dataRate = int32_t(m_bitrate / 8);
    rate.frameDuration = m_frameRate > 0 ? int32_t(1000 / m_frameRate) : 0;
    rate.minSpatialQuality = rate.minTemporalQuality = m_quality;
    m_qt->SCSetInfo(m_compressor, scDataRateSettingsType, &rate);
    // A stored state wins over the single values.
    if (m_settings.GetSize() > 0) {
        Handle state = m_qt->NewHandle(int32_t(m_settings.GetSize()));
        if (state) {
            std::memcpy(*state, m_settings.GetBuffer(), m_settings.GetSize());
            m_qt->SCSetInfo(m_compressor, scSettingsStateType, &state);
            m_qt->DisposeHandle(state);
        }
    }
    return true;
}

bool CQuickTimeVideoEncoder::Prompt()
{
    if (!m_compressor || m_qt->SCRequestSequenceSettings(m_compressor) != noErr) return false;
    SCTemporalSettings temporal{};
    if (m_qt->SCGetInfo(m_compressor, scTemporalSettingsType, &temporal) == noErr) {
        m_frameRate = UQuickTimeUtils::FixedToDouble3(temporal.frameRate);
        m_keyFrame = temporal.keyFrameRate;
    }
    SCSpatialSettings spatial{};
    if (m_qt->SCGetInfo(m_compressor, scSpatialSettingsType, &spatial) == noErr) {
        m_format = spatial.codecType;
        m_quality = spatial.spatialQuality;
    }
    SCDataRateSettings rate{};
    if (m_qt->SCGetInfo(m_compressor, scDataRateSettingsType, &rate) == noErr) m_bitrate = ULONG(rate.dataRate) * 8;
    m_settings.Allocate(0, false);
    Handle state = nullptr;
    if (m_qt->SCGetInfo(m_compressor, scSettingsStateType, &state) == noErr && state) {
        m_settings.Append(reinterpret_cast<const unsigned char*>(*state), uint32_t(m_qt->GetHandleSize(state)));
        m_qt->DisposeHandle(state);
    }
    return true;
}

bool CQuickTimeVideoEncoder::StartCompression()
{
    // A compressor opened for the dialog has no sequence yet.
    if (m_imageDescription) return true;
    if (!m_compressor && !OpenCompressor()) return false;
    return StartSequence();
}

bool CQuickTimeVideoEncoder::StartSequence()
{
    return m_pixels &&
           m_qt->SCCompressSequenceBegin(m_compressor, m_pixels, nullptr, &m_imageDescription) == noErr &&
           m_imageDescription;
}

void CQuickTimeVideoEncoder::CopyVideo(const unsigned char* data, uint32_t size)
{
    const uint32_t line = uint32_t(std::max<LONG>(m_lineSize, 0));
    const uint32_t frame = line * m_height;
    if (!data || !line) return;
    if (m_topDown) {
        std::memcpy(m_bits, data, std::min(size, frame));
        return;
    }
    const uint32_t rows = std::min<uint32_t>(m_height, size / line);
    for (uint32_t row = 0; row < rows; ++row)
        std::memcpy(m_bits + size_t(m_height - 1 - row) * line, data + size_t(row) * line, line);
}

bool CQuickTimeVideoEncoder::Encode(const unsigned char* data, uint32_t size, double start, double duration)
{
    if (!m_pixels || !m_bits || !m_qt->LockPixels(m_pixels)) return false;
    CopyVideo(data, size);
    m_qt->UnlockPixels(m_pixels);
    if (!StartCompression()) return false;
    int32_t dataSize = 0;
    int16_t notSync = 0;
    if (m_qt->SCCompressSequenceFrame(m_compressor, m_pixels, nullptr, &m_data, &dataSize, &notSync) != noErr)
        return false;
    return AddSample(uint32_t(dataSize), start, duration, notSync ? mediaSampleNotSync : 0, m_imageDescription);
}
