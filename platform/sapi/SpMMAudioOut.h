#pragma once
// The default audio output: the speakers through wave-out, in the format set on it
// (the engine's own format until one is set).
#include "com/ComObject.h"
#include "sapi/SpStreams.h"
#include "win32/audio/WaveFormat.h"

#include <memory>
#include <mutex>

class CWaveOutPlayer;

class CSpMMAudioOut : public TComObject<ISpAudio> {
public:
    CSpMMAudioOut();

    HRESULT GetFormat(GUID* formatId, WAVEFORMATEX** format) override;
    HRESULT Write(const void* data, ULONG bytes, ULONG* written) override;
    HRESULT SetFormat(REFGUID formatId, const WAVEFORMATEX* format) override;
    HRESULT SetState(SPAUDIOSTATE state, ULONGLONG reserved) override;
    HRESULT GetStatus(SPAUDIOSTATUS* status) override;

    static HRESULT Create(REFIID iid, void** object);

protected:
    ~CSpMMAudioOut() override;


private:
    bool OpenLocked();

    std::mutex m_lock; // guards state; never held while Write blocks
    WAVEFORMATEX m_format{};
    std::unique_ptr<CWaveOutPlayer> m_device;
    SPAUDIOSTATE m_state = SPAS_CLOSED;
    uint64_t m_written = 0;
};
