#pragma once
// Shows RGB pictures in a window: each picture is stretched into the rectangle set with
// SetWindowPosition inside the owner window, at its time after the graph started
// running; a paused graph shows the picture it holds and keeps it. Without an owner the
// pictures are only counted.
#include "dshow/SinkFilter.h"
#include "dshow/VideoWindowInterfaces.h"

#include <chrono>
#include <condition_variable>
#include <vector>

class CVideoRenderer : public CSinkFilter,
                       public IVideoWindow,
                       public IBasicVideo,
                       public IVMRAspectRatioControl,
                       public IVMRAspectRatioControl9,
                       public ISampleCounter {
public:
    template <const CLSID& Clsid>
    static HRESULT Create(REFIID iid, void** object)
    {
        return CreateComObject<CVideoRenderer>(iid, object, Clsid);
    }
    explicit CVideoRenderer(REFCLSID clsid);
    MV_FILTER_UNKNOWN

    HRESULT put_WindowStyle(LONG style) override;
    HRESULT put_Visible(LONG visible) override;
    HRESULT get_Visible(LONG* visible) override;
    HRESULT put_Owner(OAHWND owner) override;
    HRESULT put_MessageDrain(OAHWND drain) override;
    HRESULT SetWindowPosition(LONG left, LONG top, LONG width, LONG height) override;
    HRESULT put_FullScreenMode(LONG mode) override;
    HRESULT get_FullScreenMode(LONG* mode) override;
    HRESULT NotifyOwnerMessage(OAHWND window, LONG message, LONG_PTR wParam, LONG_PTR lParam) override;
    HRESULT GetVideoSize(LONG* width, LONG* height) override;
    // Aspect-ratio mode: 0 stretch to the rectangle, 1 keep the picture's shape inside it.
    HRESULT GetAspectRatioMode(DWORD* mode) override;
    HRESULT SetAspectRatioMode(DWORD mode) override;
    HRESULT GetSampleCount(LONGLONG* count) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnRun() override;
    HRESULT OnStop() override;

private:
    bool IsPaused();
    // Waits for the picture's time; false when the graph stopped meanwhile.
    bool WaitFor(REFERENCE_TIME start);
    // Keeps the picture, for the owner's next paint, and draws it.
    void Show(const MediaSample& sample);
    void DrawLocked(const BYTE* picture);

    std::mutex m_clockLock;
    std::condition_variable m_clockChanged;
    bool m_running = false;
    bool m_stopped = true;
    std::chrono::steady_clock::time_point m_base; // where stream time 0 lies while running
    REFERENCE_TIME m_pausedAt = 0;
    std::atomic<OAHWND> m_owner{0};
    std::atomic<bool> m_visible{true};
    std::atomic<bool> m_fullScreen{false};
    std::atomic<DWORD> m_aspectMode{0};
    std::mutex m_placeLock;
    LONG m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    std::atomic<LONGLONG> m_shown{0};
    std::mutex m_pictureLock;
    std::vector<BYTE> m_picture; // the last picture shown
};
