#include "CWmStreamFormat.h"

#include "WmHeld.h"
#include "dshow/MediaType.h"
#include "dshow/VideoInfo.h"
#include "win32/audio/WaveFormat.h"
#include "wmf/WmInterfaces.h"

namespace {

constexpr DWORD kMaxTypeBytes = 1024 * 1024;

TWmHeld<IWMMediaProps> PropsOf(IWMStreamConfig* config)
{
    IWMMediaProps* props = nullptr;
    if (!config || FAILED(QueryInterfaceTo(config, &props))) return nullptr;
    return TWmHeld<IWMMediaProps>(props);
}

} // namespace

CWmStreamFormat::CWmStreamFormat(IWMStreamConfig* config) : m_config(config)
{
    auto props = PropsOf(config);
    DWORD size = 0;
    if (!props || FAILED(props->GetMediaType(nullptr, &size)) || size < sizeof(WM_MEDIA_TYPE) || size > kMaxTypeBytes)
        return;
    m_bytes.resize(size);
    if (FAILED(props->GetMediaType(reinterpret_cast<WM_MEDIA_TYPE*>(m_bytes.data()), &size))) m_bytes.clear();
}

VIDEOINFOHEADER* CWmStreamFormat::Video()
{
    if (m_bytes.empty()) return nullptr;
    return const_cast<VIDEOINFOHEADER*>(
        MediaFormatAs<VIDEOINFOHEADER>(*reinterpret_cast<WM_MEDIA_TYPE*>(m_bytes.data()), FORMAT_VideoInfo));
}

WAVEFORMATEX* CWmStreamFormat::Wave()
{
    if (m_bytes.empty()) return nullptr;
    return const_cast<WAVEFORMATEX*>(
        MediaFormatAs<WAVEFORMATEX>(*reinterpret_cast<WM_MEDIA_TYPE*>(m_bytes.data()), FORMAT_WaveFormatEx));
}

bool CWmStreamFormat::Store()
{
    auto props = PropsOf(m_config);
    return props && !m_bytes.empty() &&
           SUCCEEDED(props->SetMediaType(reinterpret_cast<WM_MEDIA_TYPE*>(m_bytes.data())));
}

LONGLONG CWmStreamFormat::FrameTime(double frameRate) { return LONGLONG(10000000.0 / frameRate + 0.5); }

void CWmStreamFormat::ChangeVideo(VIDEOINFOHEADER& info, unsigned short width, unsigned short height,
                                  double frameRate, ULONG bitrate)
{
    if (width && height) {
        info.rcSource.right = info.rcSource.left + width;
        info.rcSource.bottom = info.rcSource.top + height;
        info.rcTarget.right = info.rcTarget.left + width;
        info.rcTarget.bottom = info.rcTarget.top + height;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = info.bmiHeader.biHeight < 0 ? -LONG(height) : LONG(height);
    }
    if (frameRate > 0) info.AvgTimePerFrame = FrameTime(frameRate);
    if (bitrate) info.dwBitRate = bitrate;
}
