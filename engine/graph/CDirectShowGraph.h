#pragma once
// One filter graph with its control interfaces: creation, pin connection, running,
// seeking, frame steps, volume, the video window, and its events as broadcasts.
#include "CBroadcaster.h"
#include "dshow/DShowTypes.h"
#include "win32/WinTypes.h"

class CDirectShowFilter;
class CDirectShowWindow;
class CFilterPin;
class CWnd;
struct IGraphBuilder;
struct IMediaSeeking;
struct IMediaControl;
struct IMediaEventEx;
struct IMediaFilter;
struct IBasicVideo;
struct IBasicAudio;
struct IVideoWindow;
struct IVMRAspectRatioControl;
struct IVMRAspectRatioControl9;

class CDirectShowGraph : public CBroadcaster {
public:
    enum {
        kSeekerAttachedMessage = 1000,
        kSeekerDetachedMessage = 1001,
        kGraphCompleteMessage = 1002,
        kGraphStateMessage = 1003,
        kGraphErrorAbortMessage = 1005,
        kGraphEventMessage = 1006,
    };

    CDirectShowGraph();
    CDirectShowGraph(const CDirectShowGraph& other);
    CDirectShowGraph& operator=(const CDirectShowGraph& other);
    ~CDirectShowGraph() override;

    virtual bool Create();
    virtual void Release();

    IGraphBuilder* GetGraph() const { return m_graph; }
    void SetKeepAspectRatio(bool keep) { m_keepAspectRatio = keep; }
    void SetVideoRenderer(CDirectShowFilter* renderer);
    void ConfigureAspectRatio();
    void ReleaseAspectRatio();
    void ConnectSeeker();
    void ReconnectSeeker();
    void ReconnectSeeker(CFilterPin* pin);
    void DisconnectSeeker();
    bool SeekerConnected() const { return m_seeker != nullptr; }
    bool ConnectPins(CFilterPin* a, CFilterPin* b, const AM_MEDIA_TYPE* type);
    bool DisconnectPin(CFilterPin* pin);
    void SetVideoWindow(CDirectShowWindow* window);
    CDirectShowWindow* GetVideoWindow() const { return m_window; }
    void SetDisplayWindow(HWND window);
    void SetNotifyWindow(HWND window);
    void SetNotificationWindow(const CWnd* window);
    void HandleEvent(unsigned wParam, long lParam);
    bool Play(long& result);
    bool Stop();
    bool Pause();
    bool IsPlaying();
    bool IsStopped();
    bool IsPaused();
    // Blocks until a state change under way has reached every filter, at most that long;
    // true when the graph is then in that state.
    bool WaitForState(LONG state, DWORD milliseconds);
    bool StepBackward();
    bool StepForward();
    bool TurnOffReferenceClock();
    bool GetDuration(double& seconds);
    bool ResetPosition();
    bool SetPosition(double seconds);
    bool GetPosition(double& seconds);
    bool SetStop(double seconds);
    bool GetStop(double& seconds);
    bool SetPlayDuration(double seconds);
    bool GetPlayDuration(double& seconds);
    bool ShowWindow(bool show);
    bool GetVolume(unsigned char& volume);
    bool SetVolume(unsigned char volume);
    bool IsFullScreen();
    bool ShowFullScreen(bool on);
    bool Resize();
    // The video window painted itself over: the renderer draws its picture again.
    void RepaintVideo();

    // Graph manager creation is retried this many more times, this far apart.
    static int sCreateRetries;
    static DWORD sCreateRetryMs;

private:
    friend class CDirectShowWindow;
    bool StateIs(LONG state);
    bool Step(int frames);
    void AttachSeeker(IMediaSeeking* seeker);

    bool m_keepAspectRatio = false;
    CDirectShowWindow* m_window = nullptr;
    CDirectShowFilter* m_videoRenderer = nullptr;
    IGraphBuilder* m_graph = nullptr;
    IMediaSeeking* m_seeker = nullptr;
    IMediaControl* m_control = nullptr;
    IMediaEventEx* m_events = nullptr;
    IMediaFilter* m_filter = nullptr;
    IBasicVideo* m_basicVideo = nullptr;
    IBasicAudio* m_basicAudio = nullptr;
    IVideoWindow* m_videoWindow = nullptr;
    IVMRAspectRatioControl* m_aspect = nullptr;
    IVMRAspectRatioControl9* m_aspect9 = nullptr;
};
