#pragma once
// A scripted voice object put in place of the real one while a test runs: it records
// what the talker asks of it and hands out the events the test queues.
#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "sapi/SpHelpers.h"
#include "sapi/SpTokens.h"
#include "sapi/SpVoice.h"

#include <deque>
#include <string>
#include <vector>

class CFakeVoice : public TComObject<ISpVoice> {
public:
    CFakeVoice() { sAll.push_back(this); }
    ~CFakeVoice() override
    {
        for (SPEVENT& e : events) SpClearEvent(&e);
        SafeRelease(token);
        SafeRelease(output);
        std::erase(sAll, this);
    }

    HRESULT SetNotifyCallbackFunction(SPNOTIFYCALLBACK* cb, WPARAM w, LPARAM l) override
    {
        callback = cb;
        callbackW = w;
        callbackL = l;
        return S_OK;
    }
    HRESULT SetInterest(ULONGLONG e, ULONGLONG q) override
    {
        eventInterest = e;
        queuedInterest = q;
        return S_OK;
    }
    HRESULT GetEvents(ULONG count, SPEVENT* out, ULONG* fetched) override
    {
        ULONG n = 0;
        while (n < count && !events.empty()) {
            out[n++] = events.front();
            events.pop_front();
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT SetOutput(IUnknown* unknown, BOOL) override
    {
        SafeRelease(output);
        output = unknown;
        if (output) output->AddRef();
        return fail ? E_FAIL : S_OK;
    }
    HRESULT Pause() override { ++pauses; return fail ? E_FAIL : S_OK; }
    HRESULT Resume() override { ++resumes; return fail ? E_FAIL : S_OK; }
    HRESULT SetVoice(ISpObjectToken* t) override
    {
        ++setVoiceCalls;
        if (t) t->AddRef();
        SafeRelease(token);
        token = t;
        return S_OK;
    }
    HRESULT GetVoice(ISpObjectToken** t) override
    {
        *t = token;
        if (token) token->AddRef();
        return S_OK;
    }
    HRESULT Speak(LPCWSTR text, DWORD flags, ULONG*) override
    {
        if (fail) return E_FAIL;
        spoken.push_back(text ? std::u16string(text) : std::u16string(u"<null>"));
        speakFlags.push_back(flags);
        return S_OK;
    }
    HRESULT GetStatus(SPVOICESTATUS* s, LPWSTR*) override
    {
        if (statusFails) return E_FAIL;
        *s = status;
        return S_OK;
    }
    HRESULT SetRate(LONG r) override { rate = r; return S_OK; }
    HRESULT GetRate(LONG* r) override { *r = rate; return S_OK; }
    HRESULT SetVolume(USHORT v) override { volume = v; return S_OK; }
    HRESULT GetVolume(USHORT* v) override { *v = volume; return S_OK; }
    HRESULT WaitUntilDone(ULONG) override { return S_OK; }

    void Queue(WORD id, WPARAM w = 0, LPARAM l = 0, WORD paramType = SPET_LPARAM_IS_UNDEFINED)
    {
        SPEVENT e{};
        e.eEventId = id;
        e.elParamType = paramType;
        e.wParam = w;
        e.lParam = l;
        events.push_back(e);
    }
    // What the voice's callback would do on the registering thread's loop.
    void Notify() { callback(callbackW, callbackL); }

    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CFakeVoice>(iid, object); }
    static CFakeVoice* From(ISpVoice* voice) { return static_cast<CFakeVoice*>(voice); }

    SPNOTIFYCALLBACK* callback = nullptr;
    WPARAM callbackW = 0;
    LPARAM callbackL = 0;
    ULONGLONG eventInterest = 0, queuedInterest = 0;
    std::deque<SPEVENT> events;
    std::vector<std::u16string> spoken;
    std::vector<DWORD> speakFlags;
    int pauses = 0, resumes = 0, setVoiceCalls = 0;
    ISpObjectToken* token = nullptr;
    IUnknown* output = nullptr;
    LONG rate = 0;
    USHORT volume = 100;
    SPVOICESTATUS status{};
    bool statusFails = false;
    bool fail = false;

    static inline std::vector<CFakeVoice*> sAll;
};

// Puts the fake voice in place for the scope, with COM initialised.
class StFakeVoiceClass {
public:
    StFakeVoiceClass()
    {
        CoInitialize(nullptr);
        mPrevious = ComRegisterClass(CLSID_SpVoice, &CFakeVoice::Create);
    }
    ~StFakeVoiceClass()
    {
        ComRegisterClass(CLSID_SpVoice, mPrevious);
        CoUninitialize();
    }

private:
    ComClassFactory mPrevious;
};
