#pragma once
// The filter graph manager: holds the filters, connects them (adding decoders and
// converters from the filter registry where needed), runs them, gathers their events
// for the application and seeks through the sources.
#include "com/ComObject.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/VideoWindowInterfaces.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class CFilterGraph
    : public TComObject<IFilterGraph2, IMediaControl, IMediaEventEx, IMediaEventSink, IMediaSeeking, IMediaFilter,
                        IBasicAudio, IVideoWindow> {
public:
    static HRESULT Create(REFIID iid, void** object);
    CFilterGraph();

    // IFilterGraph / IGraphBuilder / IFilterGraph2
    HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) override;
    HRESULT RemoveFilter(IBaseFilter* filter) override;
    HRESULT EnumFilters(IEnumFilters** filters) override;
    HRESULT FindFilterByName(LPCWSTR name, IBaseFilter** filter) override;
    HRESULT ConnectDirect(IPin* output, IPin* input, const AM_MEDIA_TYPE* type) override;
    HRESULT Reconnect(IPin* pin) override;
    HRESULT Disconnect(IPin* pin) override;
    HRESULT SetDefaultSyncSource() override;
    HRESULT Connect(IPin* output, IPin* input) override;
    HRESULT Render(IPin* output) override;
    HRESULT RenderFile(LPCWSTR file, LPCWSTR playList) override;
    HRESULT AddSourceFilter(LPCWSTR file, LPCWSTR filterName, IBaseFilter** filter) override;
    HRESULT SetLogFile(DWORD_PTR file) override;
    HRESULT Abort() override;
    HRESULT ShouldOperationContinue() override;
    HRESULT ReconnectEx(IPin* pin, const AM_MEDIA_TYPE* type) override;
    HRESULT RenderEx(IPin* output, DWORD flags, DWORD* context) override;

    // IMediaControl
    HRESULT Run() override;
    HRESULT Pause() override;
    HRESULT Stop() override;
    HRESULT StopWhenReady() override;
    HRESULT GetState(LONG timeoutMs, OAFilterState* state) override;
    HRESULT RenderFile(LPCWSTR file) override;

    // IMediaFilter (Stop and Pause are IMediaControl's); the graph runs unclocked
    HRESULT GetClassID(CLSID* clsid) override;
    HRESULT Run(REFERENCE_TIME start) override;
    HRESULT GetState(DWORD timeoutMs, FILTER_STATE* state) override;
    HRESULT SetSyncSource(IUnknown* clock) override;

    // IBasicAudio: through the renderer that plays
    HRESULT put_Volume(LONG volume) override;
    HRESULT get_Volume(LONG* volume) override;
    HRESULT put_Balance(LONG balance) override;
    HRESULT get_Balance(LONG* balance) override;

    // IVideoWindow: kept by the graph and handed to every video renderer, those added later too
    HRESULT put_WindowStyle(LONG style) override;
    HRESULT put_Visible(LONG visible) override;
    HRESULT get_Visible(LONG* visible) override;
    HRESULT put_Owner(OAHWND owner) override;
    HRESULT put_MessageDrain(OAHWND drain) override;
    HRESULT SetWindowPosition(LONG left, LONG top, LONG width, LONG height) override;
    HRESULT put_FullScreenMode(LONG mode) override;
    HRESULT get_FullScreenMode(LONG* mode) override;
    HRESULT NotifyOwnerMessage(OAHWND window, LONG message, LONG_PTR wParam, LONG_PTR lParam) override;

    // IMediaEventEx / IMediaEventSink
    HRESULT GetEventHandle(OAHWND* handle) override;
    HRESULT GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) override;
    HRESULT WaitForCompletion(LONG timeoutMs, LONG* code) override;
    HRESULT CancelDefaultHandling(LONG code) override;
    HRESULT RestoreDefaultHandling(LONG code) override;
    HRESULT FreeEventParams(LONG code, LONG_PTR param1, LONG_PTR param2) override;
    HRESULT SetNotifyWindow(OAHWND window, LONG message, LONG_PTR instance) override;
    HRESULT SetNotifyFlags(LONG flags) override;
    HRESULT GetNotifyFlags(LONG* flags) override;
    HRESULT Notify(LONG code, LONG_PTR param1, LONG_PTR param2) override;

    // IMediaSeeking: through the sources that seek
    HRESULT GetCapabilities(DWORD* capabilities) override;
    HRESULT CheckCapabilities(DWORD* capabilities) override;
    HRESULT IsFormatSupported(const GUID* format) override;
    HRESULT QueryPreferredFormat(GUID* format) override;
    HRESULT GetTimeFormat(GUID* format) override;
    HRESULT IsUsingTimeFormat(const GUID* format) override;
    HRESULT SetTimeFormat(const GUID* format) override;
    HRESULT GetDuration(LONGLONG* duration) override;
    HRESULT GetStopPosition(LONGLONG* stop) override;
    HRESULT GetCurrentPosition(LONGLONG* current) override;
    HRESULT ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                              const GUID* sourceFormat) override;
    HRESULT SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) override;
    HRESULT GetPositions(LONGLONG* current, LONGLONG* stop) override;
    HRESULT GetAvailable(LONGLONG* earliest, LONGLONG* latest) override;
    HRESULT SetRate(double rate) override;
    HRESULT GetRate(double* rate) override;
    HRESULT GetPreroll(LONGLONG* preroll) override;

protected:
    ~CFilterGraph() override;

private:
    struct Member {
        IBaseFilter* filter;
        std::u16string name;
    };
    struct Event {
        LONG code;
        LONG_PTR param1;
        LONG_PTR param2;
    };

    HRESULT ConnectVia(IPin* output, IPin* input, int depth);
    HRESULT TryIntermediate(IPin* output, IPin* input, REFCLSID clsid, const std::string& name, int depth);
    HRESULT ChangeState(FILTER_STATE target);
    std::vector<IMediaSeeking*> Seekers(); // each with a reference
    IBasicAudio* AudioRenderer();          // with a reference, or null
    // Calls `apply` on every member that shows video.
    template <class Apply>
    void ForEachVideoWindow(Apply&& apply);
    void ApplyVideoWindow(IVideoWindow* window);
    std::vector<IBaseFilter*> Snapshot();  // each with a reference
    size_t CountRenderers();
    void QueueEvent(LONG code, LONG_PTR param1, LONG_PTR param2);
    std::u16string UniqueName(const std::u16string& wanted);

    std::recursive_mutex m_lock; // filter list and state
    std::vector<Member> m_members;
    FILTER_STATE m_state = State_Stopped;
    struct VideoWindowSettings {
        OAHWND owner = 0, drain = 0;
        LONG style = 0, visible = -1, fullScreen = 0;
        bool styled = false, placed = false;
        LONG left = 0, top = 0, width = 0, height = 0;
    } m_videoWindow;
    GUID m_timeFormat;

    std::mutex m_eventLock;
    std::condition_variable m_eventArrived;
    std::deque<Event> m_events;
    std::set<IBaseFilter*> m_completed;
    size_t m_renderers = 0;
    std::set<LONG> m_cancelled;
    OAHWND m_notifyWindow = 0;
    LONG m_notifyMessage = 0;
    LONG_PTR m_notifyInstance = 0;
    LONG m_notifyFlags = 0;
    bool m_completeSent = false;
};

// The COM class of the filter graph manager, registered when the library loads.
void DShowRegisterGraph();
