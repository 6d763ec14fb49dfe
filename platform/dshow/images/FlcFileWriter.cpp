#include "dshow/images/FlcFileWriter.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/WideText.h"
#include "dshow/images/FlcEncoder.h"
#include "dshow/images/ImageIds.h"

#include <algorithm>

namespace {
// The header keeps sizes in 32 bits.
constexpr uint64_t kMaxFileSize = 0xFFFFFFFFull;
constexpr DWORD kFlcFormat = 0x464C4320; // 'FLC '
} // namespace

HRESULT CFlcFileWriter::Create(REFIID iid, void** object) { return CreateComObject<CFlcFileWriter>(iid, object); }

CFlcFileWriter::CFlcFileWriter() : CFileSinkFilter(CLSID_FlcFileWriter) { AddPin(PINDIR_INPUT, u"Video"); }

CFlcFileWriter::~CFlcFileWriter()
{
    std::lock_guard lock(m_fileLock);
    Finish();
}

void* CFlcFileWriter::FindInterface(REFIID iid)
{
    if (iid == IQuickTimeVideoCompression::kIid) return static_cast<IQuickTimeVideoCompression*>(this);
    if (iid == IQuickTimeSoundCompression::kIid) return static_cast<IQuickTimeSoundCompression*>(this);
    return CFileSinkFilter::FindInterface(iid);
}

HRESULT CFlcFileWriter::SetVideoFormat(DWORD format)
{
    return format == 0 || format == kFlcFormat ? S_OK : E_INVALIDARG;
}

HRESULT CFlcFileWriter::SetQuality(LONG quality)
{
    return quality >= 0 && quality <= 100 ? S_OK : E_INVALIDARG;
}

HRESULT CFlcFileWriter::SetAudioFormat(DWORD format) { return format == 0 ? S_OK : E_INVALIDARG; }

HRESULT CFlcFileWriter::SetCapturing(BOOL) { return S_OK; }

HRESULT CFlcFileWriter::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(type);
    return info && info->bmiHeader.biWidth <= 0xFFFF ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CFlcFileWriter::GetMediaType(CBasePin*, int index, CMediaType& type)
{
    // A type of the pin's kind, so that the pin is found as the video one.
    if (index != 0) return S_FALSE;
    MakeRgbVideoType(type, MEDIASUBTYPE_RGB24, 320, 240, kUnitsPerSecond / 25);
    return S_OK;
}

HRESULT CFlcFileWriter::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    if (FileName().empty()) return E_INVALIDARG;
    const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
    if (!info) return VFW_E_NOT_CONNECTED;
    std::lock_guard lock(m_fileLock);
    Finish();
    const BITMAPINFOHEADER& h = info->bmiHeader;
    m_width = h.biWidth;
    m_height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    m_bottomUp = h.biHeight > 0;
    m_pixelBytes = h.biBitCount / 8;
    m_stride = (m_width * h.biBitCount / 8 + 3) & ~3;
    const REFERENCE_TIME frame = info->AvgTimePerFrame > 0 ? info->AvgTimePerFrame : kUnitsPerSecond / 25;
    m_delayMs = uint32_t(std::max<REFERENCE_TIME>(1, (frame + 5000) / 10000));
    m_encoder = std::make_unique<CFlcEncoder>(m_width, m_height);
    m_failed = false;
    m_file = std::fopen(NarrowText(FileName().c_str()).c_str(), "wb");
    if (!m_file) return STG_E_ACCESSDENIED;
    // The header is written last, when the frames are known.
    const uint8_t blank[CFlcEncoder::kHeaderSize] = {};
    m_size = uint32_t(sizeof blank);
    if (std::fwrite(blank, 1, sizeof blank, m_file) != sizeof blank) m_failed = true;
    return m_failed ? STG_E_MEDIUMFULL : S_OK;
}

HRESULT CFlcFileWriter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_fileLock);
    if (!m_file || !m_encoder) return VFW_E_WRONG_STATE;
    if (!sample.data || sample.size < LONG(m_stride * m_height)) return VFW_E_INVALIDMEDIATYPE;
    const uint8_t* top = sample.data + (m_bottomUp ? size_t(m_height - 1) * size_t(m_stride) : 0);
    const int colours = m_quantiser.Quantise(top, m_bottomUp ? -m_stride : m_stride, m_width, m_height, m_pixelBytes,
                                             m_palette, m_indices);
    m_frame.clear();
    m_encoder->EncodeFrame(m_palette, colours, m_indices.data(), m_frame);
    if (m_size + m_frame.size() > kMaxFileSize
        || std::fwrite(m_frame.data(), 1, m_frame.size(), m_file) != m_frame.size()) {
        m_failed = true;
        return STG_E_MEDIUMFULL;
    }
    m_size += uint32_t(m_frame.size());
    return S_OK;
}

HRESULT CFlcFileWriter::Finish()
{
    if (!m_file) return S_FALSE;
    uint8_t header[CFlcEncoder::kHeaderSize];
    m_encoder->MakeHeader(m_size, m_delayMs, header);
    if (!m_failed && (std::fseek(m_file, 0, SEEK_SET) != 0 || std::fwrite(header, 1, sizeof header, m_file) != sizeof header))
        m_failed = true;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    return closed && !m_failed ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT CFlcFileWriter::OnAllEnded()
{
    std::lock_guard lock(m_fileLock);
    return Finish();
}

HRESULT CFlcFileWriter::OnStop()
{
    {
        std::lock_guard lock(m_fileLock);
        Finish();
    }
    return CSinkFilter::OnStop();
}
