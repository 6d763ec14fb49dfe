#include "dshow/capture/ScreenCaptureSource.h"

#include "dshow/VideoInfo.h"
#include "dshow/capture/CaptureFormats.h"
#include "win32/windowing/Window.h"

extern "C" {
#include <libavutil/dict.h>
}

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr LONG kWholeScreen = 0, kRegion = 100, kWindow = 101, kCursor = 102;

std::string SizeText(LONG width, LONG height) { return std::to_string(width) + "x" + std::to_string(height); }

} // namespace

HRESULT CScreenCaptureSource::Create(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return E_FAIL; // no X server to read the screen from
    return CreateComObject<CScreenCaptureSource>(iid, object);
}

CScreenCaptureSource::CScreenCaptureSource()
    : CCaptureSource(CLSID_ScreenCaptureSource, u"Capture",
                     RgbFormatsOf({{320, 240, {kUnitsPerSecond / 25}}}), FrameTimesOf({{320, 240, {kUnitsPerSecond / 25}}}))
{
}

CScreenCaptureSource::~CScreenCaptureSource() { OnStop(); }

void* CScreenCaptureSource::FindInterface(REFIID iid)
{
    if (iid == IScreenCaptureSettings::kIid) return static_cast<IScreenCaptureSettings*>(this);
    return CCaptureSource::FindInterface(iid);
}

HRESULT CScreenCaptureSource::Reformat(WORD width, WORD height, WORD block, double rate)
{
    if (!width || !height || !block || !(rate > 0 && rate <= 1000)) return E_INVALIDARG;
    // Whole blocks, one at least.
    const LONG w = std::max<LONG>(block, width / block * block), h = std::max<LONG>(block, height / block * block);
    if (w > kMaxVideoSide || h > kMaxVideoSide) return E_INVALIDARG;
    const std::vector<CaptureMode> modes = {{w, h, {REFERENCE_TIME(std::llround(double(kUnitsPerSecond) / rate))}}};
    const HRESULT hr = SetFormats(RgbFormatsOf(modes), FrameTimesOf(modes));
    if (FAILED(hr)) return hr;
    m_width = width;
    m_height = height;
    m_block = block;
    m_rate = rate;
    return S_OK;
}

HRESULT CScreenCaptureSource::SetCapture(LONG kind)
{
    if (kind != kWholeScreen && kind != kRegion && kind != kWindow && kind != kCursor) return E_INVALIDARG;
    m_kind = kind;
    return S_OK;
}

HRESULT CScreenCaptureSource::SetX(WORD x)
{
    m_x = x;
    return S_OK;
}

HRESULT CScreenCaptureSource::SetY(WORD y)
{
    m_y = y;
    return S_OK;
}

HRESULT CScreenCaptureSource::SetWidth(WORD width) { return Reformat(width, m_height, m_block, m_rate); }
HRESULT CScreenCaptureSource::SetHeight(WORD height) { return Reformat(m_width, height, m_block, m_rate); }

HRESULT CScreenCaptureSource::SetWindow(HWND window)
{
    m_window = window;
    return S_OK;
}

HRESULT CScreenCaptureSource::SetCaptureCursor(BOOL capture)
{
    m_cursor = capture != FALSE;
    return S_OK;
}

HRESULT CScreenCaptureSource::SetBlockSize(WORD size) { return Reformat(m_width, m_height, size, m_rate); }
HRESULT CScreenCaptureSource::SetFrameRate(double rate) { return Reformat(m_width, m_height, m_block, rate); }

HRESULT CScreenCaptureSource::Open(const AM_MEDIA_TYPE& format)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(format);
    const REFERENCE_TIME frameTime = FrameTimeOf(format);
    const char* display = std::getenv("DISPLAY");
    if (!info || frameTime <= 0 || !display) return E_FAIL;
    LONG x = m_x, y = m_y, width = info->bmiHeader.biWidth, height = std::abs(info->bmiHeader.biHeight);
    if (m_kind == kWindow) {
        // The window's place on the screen, scaled to the picture.
        RECT place{};
        if (!m_window || !GetWindowRect(m_window, &place) || place.right <= place.left || place.bottom <= place.top)
            return E_INVALIDARG;
        x = std::max<LONG>(0, place.left);
        y = std::max<LONG>(0, place.top);
        width = place.right - place.left;
        height = place.bottom - place.top;
    }
    AVDictionary* options = nullptr;
    av_dict_set(&options, "framerate", (std::to_string(kUnitsPerSecond) + "/" + std::to_string(frameTime)).c_str(), 0);
    av_dict_set(&options, "draw_mouse", m_cursor ? "1" : "0", 0);
    if (m_kind != kWholeScreen) {
        // The whole screen is grabbed at its own size and scaled.
        av_dict_set(&options, "video_size", SizeText(width, height).c_str(), 0);
        if (m_kind == kCursor) av_dict_set(&options, "follow_mouse", "centered", 0);
        else {
            av_dict_set(&options, "grab_x", std::to_string(x).c_str(), 0);
            av_dict_set(&options, "grab_y", std::to_string(y).c_str(), 0);
        }
    }
    return m_screen.Open("x11grab", display, &options) ? S_OK : E_FAIL;
}
