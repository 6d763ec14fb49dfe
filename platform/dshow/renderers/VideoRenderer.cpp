#include "dshow/renderers/VideoRenderer.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/VideoScaling.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/Window.h"

#include <algorithm>

CVideoRenderer::CVideoRenderer(REFCLSID clsid) : CSinkFilter(clsid) { AddPin(PINDIR_INPUT, u"Input"); }

void* CVideoRenderer::FindInterface(REFIID iid)
{
    if (iid == IVideoWindow::kIid) return static_cast<IVideoWindow*>(this);
    if (iid == IBasicVideo::kIid) return static_cast<IBasicVideo*>(this);
    if (iid == IVMRAspectRatioControl::kIid) return static_cast<IVMRAspectRatioControl*>(this);
    if (iid == IVMRAspectRatioControl9::kIid) return static_cast<IVMRAspectRatioControl9*>(this);
    if (iid == ISampleCounter::kIid) return static_cast<ISampleCounter*>(this);
    return CSinkFilter::FindInterface(iid);
}

HRESULT CVideoRenderer::put_WindowStyle(LONG) { return S_OK; }

HRESULT CVideoRenderer::put_Visible(LONG visible)
{
    m_visible = visible != 0;
    return S_OK;
}

HRESULT CVideoRenderer::get_Visible(LONG* visible)
{
    if (!visible) return E_POINTER;
    *visible = m_visible ? -1 : 0;
    return S_OK;
}

HRESULT CVideoRenderer::put_Owner(OAHWND owner)
{
    m_owner = owner;
    return S_OK;
}

HRESULT CVideoRenderer::put_MessageDrain(OAHWND) { return S_OK; }

HRESULT CVideoRenderer::SetWindowPosition(LONG left, LONG top, LONG width, LONG height)
{
    if (width < 0 || height < 0) return E_INVALIDARG;
    std::lock_guard lock(m_placeLock);
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    return S_OK;
}

HRESULT CVideoRenderer::put_FullScreenMode(LONG mode)
{
    m_fullScreen = mode != 0;
    return S_OK;
}

HRESULT CVideoRenderer::get_FullScreenMode(LONG* mode)
{
    if (!mode) return E_POINTER;
    *mode = m_fullScreen ? -1 : 0;
    return S_OK;
}

HRESULT CVideoRenderer::GetVideoSize(LONG* width, LONG* height)
{
    if (!width || !height) return E_POINTER;
    const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
    if (!info) return VFW_E_NOT_CONNECTED;
    *width = info->bmiHeader.biWidth;
    *height = std::abs(info->bmiHeader.biHeight);
    return S_OK;
}

HRESULT CVideoRenderer::GetAspectRatioMode(DWORD* mode)
{
    if (!mode) return E_POINTER;
    *mode = m_aspectMode;
    return S_OK;
}

HRESULT CVideoRenderer::SetAspectRatioMode(DWORD mode)
{
    if (mode > 1) return E_INVALIDARG;
    m_aspectMode = mode;
    return S_OK;
}

HRESULT CVideoRenderer::GetSampleCount(LONGLONG* count)
{
    if (!count) return E_POINTER;
    *count = m_shown;
    return S_OK;
}

HRESULT CVideoRenderer::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    return RgbVideoInfo(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CVideoRenderer::OnPause()
{
    std::lock_guard lock(m_clockLock);
    if (m_running) m_pausedAt = REFERENCE_TIME((std::chrono::steady_clock::now() - m_base).count() / 100);
    if (m_stopped) m_pausedAt = 0;
    m_running = false;
    m_stopped = false;
    m_clockChanged.notify_all();
    return S_OK;
}

HRESULT CVideoRenderer::OnRun()
{
    std::lock_guard lock(m_clockLock);
    if (m_stopped) m_pausedAt = 0;
    m_base = std::chrono::steady_clock::now() - std::chrono::nanoseconds(m_pausedAt * 100);
    m_running = true;
    m_stopped = false;
    m_clockChanged.notify_all();
    return S_OK;
}

HRESULT CVideoRenderer::OnStop()
{
    {
        std::lock_guard lock(m_clockLock);
        m_running = false;
        m_stopped = true;
        m_clockChanged.notify_all();
    }
    return CSinkFilter::OnStop();
}

bool CVideoRenderer::IsPaused()
{
    std::lock_guard lock(m_clockLock);
    return !m_running && !m_stopped;
}

bool CVideoRenderer::WaitFor(REFERENCE_TIME start)
{
    std::unique_lock lock(m_clockLock);
    for (;;) {
        if (m_stopped) return false;
        if (m_running) {
            auto due = m_base + std::chrono::nanoseconds(start * 100);
            if (std::chrono::steady_clock::now() >= due) return true;
            m_clockChanged.wait_until(lock, due);
        } else {
            m_clockChanged.wait(lock);
        }
    }
}

void CVideoRenderer::Show(const MediaSample& sample)
{
    std::lock_guard lock(m_pictureLock);
    m_picture.assign(sample.data, sample.data + sample.size);
    DrawLocked(m_picture.data());
}

HRESULT CVideoRenderer::NotifyOwnerMessage(OAHWND, LONG message, LONG_PTR, LONG_PTR)
{
    if (message != WM_PAINT) return S_OK;
    std::lock_guard lock(m_pictureLock);
    const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
    // The owner painted over the picture: a paused or ended stream shows it again.
    if (info && m_picture.size() >= PictureBytes(*info)) DrawLocked(m_picture.data());
    return S_OK;
}

void CVideoRenderer::DrawLocked(const BYTE* picture)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
    auto owner = reinterpret_cast<HWND>(m_owner.load());
    if (!info || !owner || !m_visible) return;
    LONG x, y, width, height;
    {
        std::lock_guard lock(m_placeLock);
        x = m_left, y = m_top, width = m_width, height = m_height;
    }
    const LONG pictureWidth = info->bmiHeader.biWidth, pictureHeight = std::abs(info->bmiHeader.biHeight);
    if (width <= 0 || height <= 0) width = pictureWidth, height = pictureHeight;
    if (m_aspectMode == 1) {
        // The picture's shape kept, centred, bars left as they are.
        double scale = std::min(double(width) / pictureWidth, double(height) / pictureHeight);
        LONG w = std::max<LONG>(1, LONG(pictureWidth * scale)), h = std::max<LONG>(1, LONG(pictureHeight * scale));
        x += (width - w) / 2;
        y += (height - h) / 2;
        width = w;
        height = h;
    }
    BITMAPINFO bitmap{};
    bitmap.bmiHeader = info->bmiHeader;
    bitmap.bmiHeader.biCompression = 0;
    HDC dc = GetDC(owner);
    if (!dc) return;
    StretchDIBits(dc, x, y, width, height, 0, 0, pictureWidth, pictureHeight, picture, &bitmap, DIB_RGB_COLORS,
                  SRCCOPY);
    ReleaseDC(owner, dc);
}

HRESULT CVideoRenderer::Receive(CBasePin*, const MediaSample& sample)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
    if (!info) return VFW_E_NOT_CONNECTED;
    // Drawing reads every row the header gives, whatever its image size says.
    if (sample.size < 0 || size_t(sample.size) < PictureBytes(*info)) return VFW_E_INVALIDMEDIATYPE;
    // A paused graph shows the picture it holds (its first frame after a start or a seek) while
    // the picture waits for the run.
    if (sample.hasTime && IsPaused()) Show(sample);
    if (sample.hasTime && !WaitFor(sample.start)) return VFW_E_WRONG_STATE;
    Show(sample);
    ++m_shown;
    return S_OK;
}
