#pragma once
// The interfaces of filters, pins and the filter graph manager.
#include "dshow/DShowTypes.h"

struct IEnumPins;
struct IEnumMediaTypes;
struct IEnumFilters;

struct IPin : IUnknown {
    static constexpr IID kIid = {0xB3B9C9CA, 0xC902, 0x4E47, {0xBF, 0xB0, 0xB2, 0x0D, 0xAF, 0xC2, 0xFB, 0xEB}};
    using Base = IUnknown;
    // Called on an output pin: negotiates a type (the given one, or one both pins offer).
    virtual HRESULT Connect(IPin* receivePin, const AM_MEDIA_TYPE* type) = 0;
    // Called on an input pin by the output pin that connects to it.
    virtual HRESULT ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT Disconnect() = 0;
    virtual HRESULT ConnectedTo(IPin** pin) = 0;
    virtual HRESULT ConnectionMediaType(AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT QueryPinInfo(PIN_INFO* info) = 0;
    virtual HRESULT QueryDirection(PIN_DIRECTION* direction) = 0;
    virtual HRESULT QueryId(LPWSTR* id) = 0; // task memory
    virtual HRESULT QueryAccept(const AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT EnumMediaTypes(IEnumMediaTypes** types) = 0;
    virtual HRESULT EndOfStream() = 0;
    virtual HRESULT BeginFlush() = 0;
    virtual HRESULT EndFlush() = 0;
};

struct IEnumPins : IUnknown {
    static constexpr IID kIid = {0x03D8E77F, 0x87D5, 0x487C, {0xA5, 0xCA, 0xC3, 0x8D, 0x51, 0x01, 0x99, 0x8B}};
    using Base = IUnknown;
    virtual HRESULT Next(ULONG count, IPin** pins, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumPins** copy) = 0;
};

struct IEnumMediaTypes : IUnknown {
    static constexpr IID kIid = {0xBCBB4209, 0xE7BB, 0x4428, {0xAC, 0xCA, 0xC3, 0xA4, 0xEC, 0xD3, 0x6A, 0x7E}};
    using Base = IUnknown;
    // Each type is handed out in task memory; free it with DeleteMediaType.
    virtual HRESULT Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumMediaTypes** copy) = 0;
};

struct IEnumFilters : IUnknown {
    static constexpr IID kIid = {0x8EFEB1CC, 0x4C3E, 0x46AA, {0x88, 0x53, 0xCF, 0xE0, 0xDB, 0x45, 0xBF, 0x92}};
    using Base = IUnknown;
    virtual HRESULT Next(ULONG count, IBaseFilter** filters, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumFilters** copy) = 0;
};

struct IMediaFilter : IUnknown {
    static constexpr IID kIid = {0x416F232B, 0xC698, 0x4370, {0x9C, 0x89, 0xD6, 0x42, 0x95, 0xCB, 0x8F, 0x8B}};
    using Base = IUnknown;
    virtual HRESULT GetClassID(CLSID* clsid) = 0;
    virtual HRESULT Stop() = 0;
    virtual HRESULT Pause() = 0;
    virtual HRESULT Run(REFERENCE_TIME start) = 0;
    virtual HRESULT GetState(DWORD timeoutMs, FILTER_STATE* state) = 0;
    // Graphs and filters here run unclocked (as fast as data flows); the call is kept
    // so that callers may turn the clock off.
    virtual HRESULT SetSyncSource(IUnknown* clock) = 0;
};

struct IBaseFilter : IMediaFilter {
    static constexpr IID kIid = {0x7DF46AFF, 0xFB19, 0x49E3, {0x97, 0x62, 0xBC, 0x14, 0xC7, 0xB7, 0xA5, 0x72}};
    using Base = IMediaFilter;
    virtual HRESULT EnumPins(IEnumPins** pins) = 0;
    virtual HRESULT FindPin(LPCWSTR id, IPin** pin) = 0;
    virtual HRESULT QueryFilterInfo(FILTER_INFO* info) = 0;
    virtual HRESULT JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) = 0;
};

struct IFilterGraph : IUnknown {
    static constexpr IID kIid = {0xEB4426E4, 0xD94F, 0x436D, {0x8A, 0x3E, 0xD1, 0xEA, 0x33, 0x9F, 0x1D, 0xBB}};
    using Base = IUnknown;
    virtual HRESULT AddFilter(IBaseFilter* filter, LPCWSTR name) = 0;
    virtual HRESULT RemoveFilter(IBaseFilter* filter) = 0;
    virtual HRESULT EnumFilters(IEnumFilters** filters) = 0;
    virtual HRESULT FindFilterByName(LPCWSTR name, IBaseFilter** filter) = 0;
    virtual HRESULT ConnectDirect(IPin* output, IPin* input, const AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT Reconnect(IPin* pin) = 0;
    virtual HRESULT Disconnect(IPin* pin) = 0;
    virtual HRESULT SetDefaultSyncSource() = 0;
};

struct IGraphBuilder : IFilterGraph {
    static constexpr IID kIid = {0x3B23B0A2, 0xBE79, 0x4108, {0xAC, 0x33, 0x7F, 0xEC, 0x1E, 0x22, 0xEC, 0xDF}};
    using Base = IFilterGraph;
    // Connects, adding decoders and converters between the pins as needed.
    virtual HRESULT Connect(IPin* output, IPin* input) = 0;
    // Connects the output pin on to a renderer.
    virtual HRESULT Render(IPin* output) = 0;
    virtual HRESULT RenderFile(LPCWSTR file, LPCWSTR playList) = 0;
    virtual HRESULT AddSourceFilter(LPCWSTR file, LPCWSTR filterName, IBaseFilter** filter) = 0;
    virtual HRESULT SetLogFile(DWORD_PTR file) = 0;
    virtual HRESULT Abort() = 0;
    virtual HRESULT ShouldOperationContinue() = 0;
};

struct IFilterGraph2 : IGraphBuilder {
    static constexpr IID kIid = {0xC9D37177, 0x3A59, 0x43DE, {0xB6, 0x14, 0xA1, 0xBD, 0x90, 0x8A, 0x54, 0xFE}};
    using Base = IGraphBuilder;
    virtual HRESULT ReconnectEx(IPin* pin, const AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT RenderEx(IPin* output, DWORD flags, DWORD* context) = 0;
};

struct IMediaControl : IUnknown {
    static constexpr IID kIid = {0xC7257639, 0xCB46, 0x4219, {0xA4, 0x25, 0x0F, 0x44, 0x8B, 0xE7, 0x3B, 0xA7}};
    using Base = IUnknown;
    virtual HRESULT Run() = 0;
    virtual HRESULT Pause() = 0;
    virtual HRESULT Stop() = 0;
    virtual HRESULT StopWhenReady() = 0;
    virtual HRESULT GetState(LONG timeoutMs, OAFilterState* state) = 0;
    virtual HRESULT RenderFile(LPCWSTR file) = 0;
};

struct IMediaEvent : IUnknown {
    static constexpr IID kIid = {0xA8F4BDA9, 0xF6AA, 0x495A, {0xB7, 0xA9, 0xCC, 0x0D, 0x8D, 0x28, 0xAB, 0x20}};
    using Base = IUnknown;
    // A descriptor that is readable while events are queued (0 = none).
    virtual HRESULT GetEventHandle(OAHWND* handle) = 0;
    // E_ABORT when no event arrived within the time-out.
    virtual HRESULT GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG timeoutMs) = 0;
    virtual HRESULT WaitForCompletion(LONG timeoutMs, LONG* code) = 0;
    virtual HRESULT CancelDefaultHandling(LONG code) = 0;
    virtual HRESULT RestoreDefaultHandling(LONG code) = 0;
    virtual HRESULT FreeEventParams(LONG code, LONG_PTR param1, LONG_PTR param2) = 0;
};

struct IMediaEventEx : IMediaEvent {
    static constexpr IID kIid = {0x0C33384E, 0x8C43, 0x4CF5, {0xBC, 0xB3, 0x92, 0xE2, 0x32, 0x43, 0x0C, 0x1D}};
    using Base = IMediaEvent;
    // Each queued event posts message to the window (wParam 0, lParam instance).
    virtual HRESULT SetNotifyWindow(OAHWND window, LONG message, LONG_PTR instance) = 0;
    virtual HRESULT SetNotifyFlags(LONG flags) = 0;
    virtual HRESULT GetNotifyFlags(LONG* flags) = 0;
};

// Filters report to their graph through this.
struct IMediaEventSink : IUnknown {
    static constexpr IID kIid = {0x1DDC38B7, 0x53B6, 0x43BA, {0x89, 0x31, 0x01, 0x7F, 0x20, 0xF4, 0x21, 0x45}};
    using Base = IUnknown;
    virtual HRESULT Notify(LONG code, LONG_PTR param1, LONG_PTR param2) = 0;
};

struct IMediaSeeking : IUnknown {
    static constexpr IID kIid = {0x95CD9C6F, 0xD4FC, 0x40C0, {0x9A, 0x53, 0x49, 0xE9, 0xF4, 0x2D, 0x32, 0xBB}};
    using Base = IUnknown;
    virtual HRESULT GetCapabilities(DWORD* capabilities) = 0;
    virtual HRESULT CheckCapabilities(DWORD* capabilities) = 0;
    virtual HRESULT IsFormatSupported(const GUID* format) = 0;
    virtual HRESULT QueryPreferredFormat(GUID* format) = 0;
    virtual HRESULT GetTimeFormat(GUID* format) = 0;
    virtual HRESULT IsUsingTimeFormat(const GUID* format) = 0;
    virtual HRESULT SetTimeFormat(const GUID* format) = 0;
    virtual HRESULT GetDuration(LONGLONG* duration) = 0;
    virtual HRESULT GetStopPosition(LONGLONG* stop) = 0;
    virtual HRESULT GetCurrentPosition(LONGLONG* current) = 0;
    virtual HRESULT ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                                      const GUID* sourceFormat) = 0;
    virtual HRESULT SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) = 0;
    virtual HRESULT GetPositions(LONGLONG* current, LONGLONG* stop) = 0;
    virtual HRESULT GetAvailable(LONGLONG* earliest, LONGLONG* latest) = 0;
    virtual HRESULT SetRate(double rate) = 0;
    virtual HRESULT GetRate(double* rate) = 0;
    virtual HRESULT GetPreroll(LONGLONG* preroll) = 0;
};

struct IFileSourceFilter : IUnknown {
    static constexpr IID kIid = {0x2CEFF967, 0x2763, 0x498D, {0x9C, 0x34, 0xA1, 0x65, 0x14, 0x82, 0x54, 0xAC}};
    using Base = IUnknown;
    virtual HRESULT Load(LPCOLESTR file, const AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) = 0;
};

struct IFileSinkFilter : IUnknown {
    static constexpr IID kIid = {0xC97ABF58, 0x772C, 0x4939, {0xA7, 0xA9, 0xB3, 0x7A, 0xF7, 0x23, 0xC9, 0x1C}};
    using Base = IUnknown;
    virtual HRESULT SetFileName(LPCOLESTR file, const AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type) = 0;
};

// Audio and video output pins that offer a choice of formats.
struct IAMStreamConfig : IUnknown {
    static constexpr IID kIid = {0xA0577AC0, 0xE2D5, 0x44AD, {0xB2, 0x56, 0xA5, 0x1C, 0xF4, 0xF7, 0x27, 0xA1}};
    using Base = IUnknown;
    virtual HRESULT SetFormat(const AM_MEDIA_TYPE* type) = 0;
    virtual HRESULT GetFormat(AM_MEDIA_TYPE** type) = 0; // task memory
    // The formats offered, each with a capability block of `size` bytes (audio or video).
    virtual HRESULT GetNumberOfCapabilities(int* count, int* size) = 0;
    virtual HRESULT GetStreamCaps(int index, AM_MEDIA_TYPE** type, BYTE* caps) = 0; // type in task memory
};

// Volume in hundredths of a decibel (-10000 silent .. 0 full), balance -10000..10000.
struct IBasicAudio : IUnknown {
    static constexpr IID kIid = {0x6A3D1C57, 0x1E2B, 0x4F0A, {0x9C, 0x44, 0x0B, 0x7E, 0x52, 0x9D, 0xA1, 0x36}};
    using Base = IUnknown;
    virtual HRESULT put_Volume(LONG volume) = 0;
    virtual HRESULT get_Volume(LONG* volume) = 0;
    virtual HRESULT put_Balance(LONG balance) = 0;
    virtual HRESULT get_Balance(LONG* balance) = 0;
};

// Every filter of this layer: how far the data that passed through it has come.
struct IFilterPassTime : IUnknown {
    static constexpr IID kIid = {0x14B1F5FB, 0xE791, 0x4112, {0x8E, 0x92, 0x9C, 0xEE, 0x94, 0x79, 0x80, 0x2C}};
    using Base = IUnknown;
    // Seconds of media time, from the latest sample received (0 before any).
    virtual HRESULT GetPassTime(double* seconds) = 0;
};

// Renderers that count what they take.
struct ISampleCounter : IUnknown {
    static constexpr IID kIid = {0xFCA930CA, 0x9896, 0x4218, {0x8C, 0x62, 0xE2, 0xA9, 0x04, 0xED, 0x4B, 0x4B}};
    using Base = IUnknown;
    virtual HRESULT GetSampleCount(LONGLONG* count) = 0;
};

// One unit of data as it flows from an output pin to the connected input pin.
struct MediaSample {
    const BYTE* data = nullptr;
    LONG size = 0;
    REFERENCE_TIME start = 0;
    REFERENCE_TIME stop = 0;
    bool hasTime = false;
    bool syncPoint = true;
    bool discontinuity = false;
    // Coded sound: samples a decoder drops from the start and the end of this packet (an
    // encoder's delay in its first packets, its padding in the last).
    LONG skipStart = 0;
    LONG skipEnd = 0;
};

// The streaming side of an input pin.
struct ISampleSink : IUnknown {
    static constexpr IID kIid = {0x2D88B471, 0xF5D2, 0x46C3, {0xBB, 0x4B, 0x0C, 0xDD, 0x40, 0x74, 0xC7, 0x89}};
    using Base = IUnknown;
    // S_OK to go on, S_FALSE to stop sending, a failure when the stream broke.
    virtual HRESULT Receive(const MediaSample* sample) = 0;
};

extern const CLSID CLSID_FilterGraph;
