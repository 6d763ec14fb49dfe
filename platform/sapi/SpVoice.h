#pragma once
// The voice: speaks text asynchronously into its output and reports its progress
// as events, each raised when its audio has been played or written.
#include "sapi/SapiTypes.h"

struct ISpObjectToken;

struct ISpNotifySource : IUnknown {
    static constexpr IID kIid = {0xD3DA400B, 0x2F96, 0x4036, {0xAA, 0x9E, 0x22, 0x5C, 0xBA, 0x3B, 0xED, 0xAE}};
    using Base = IUnknown;
    // The callback runs on the message loop of the thread that calls this.
    virtual HRESULT SetNotifyCallbackFunction(SPNOTIFYCALLBACK* callback, WPARAM wParam, LPARAM lParam) = 0;
};

struct ISpEventSource : ISpNotifySource {
    static constexpr IID kIid = {0x85F8C10B, 0xAF65, 0x4263, {0xA3, 0x82, 0x28, 0x5D, 0xE6, 0x45, 0x27, 0x93}};
    using Base = ISpNotifySource;
    // eventInterest selects what notifies, queuedInterest what GetEvents returns.
    virtual HRESULT SetInterest(ULONGLONG eventInterest, ULONGLONG queuedInterest) = 0;
    // S_OK when `count` events were fetched, S_FALSE when fewer.
    virtual HRESULT GetEvents(ULONG count, SPEVENT* events, ULONG* fetched) = 0;
};

struct ISpVoice : ISpEventSource {
    static constexpr IID kIid = {0x78365FBE, 0xE6F8, 0x4B61, {0x9F, 0xCB, 0xEA, 0x5D, 0x19, 0x4E, 0x6D, 0xB0}};
    using Base = ISpEventSource;
    // Null selects the default audio output.
    virtual HRESULT SetOutput(IUnknown* output, BOOL allowFormatChanges) = 0;
    virtual HRESULT Pause() = 0;
    virtual HRESULT Resume() = 0;
    // Null selects the default voice.
    virtual HRESULT SetVoice(ISpObjectToken* token) = 0;
    virtual HRESULT GetVoice(ISpObjectToken** token) = 0;
    virtual HRESULT Speak(LPCWSTR text, DWORD flags, ULONG* streamNumber) = 0;
    virtual HRESULT GetStatus(SPVOICESTATUS* status, LPWSTR* lastBookmark) = 0;
    virtual HRESULT SetRate(LONG rate) = 0;
    virtual HRESULT GetRate(LONG* rate) = 0;
    virtual HRESULT SetVolume(USHORT volume) = 0;
    virtual HRESULT GetVolume(USHORT* volume) = 0;
    // S_OK when done speaking, S_FALSE when the time ran out.
    virtual HRESULT WaitUntilDone(ULONG milliseconds) = 0;
};

inline constexpr const IID& IID_ISpNotifySource = ISpNotifySource::kIid;
inline constexpr const IID& IID_ISpEventSource = ISpEventSource::kIid;
inline constexpr const IID& IID_ISpVoice = ISpVoice::kIid;
