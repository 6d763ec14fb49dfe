#pragma once
// A stream bound to a WAV file: RIFF/WAVE PCM, sizes filled in when it closes.
#include "com/ComObject.h"
#include "sapi/SpStreams.h"
#include "win32/audio/WaveFormat.h"

#include <cstdio>
#include <mutex>

class CSpStream : public TComObject<ISpStream> {
public:
    HRESULT GetFormat(GUID* formatId, WAVEFORMATEX** format) override;
    HRESULT Write(const void* data, ULONG bytes, ULONG* written) override;
    HRESULT BindToFile(LPCWSTR fileName, SPFILEMODE mode, const GUID* formatId, const WAVEFORMATEX* format,
                       ULONGLONG eventInterest) override;
    HRESULT Close() override;

    static HRESULT Create(REFIID iid, void** object);
    // The largest data chunk a RIFF file can describe.
    static constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - 37; // room for the pad byte

protected:
    ~CSpStream() override;

private:
    HRESULT CloseLocked();

    std::mutex m_lock;
    FILE* m_file = nullptr;
    WAVEFORMATEX m_format{};
    uint64_t m_dataBytes = 0;
};
