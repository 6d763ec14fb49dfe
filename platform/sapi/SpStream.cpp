#include "sapi/SpStream.h"

#include "com/ComRuntime.h"
#include "sapi/PcmConverter.h"
#include "sapi/WideText.h"

#include <cstring>
#include <sys/stat.h>

namespace {

void Put32(uint8_t* at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(uint8_t* at, uint16_t v)
{
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void MakeHeader(const WAVEFORMATEX& f, uint32_t dataBytes, uint8_t (&h)[44])
{
    std::memcpy(h, "RIFF", 4);
    Put32(h + 4, 36 + dataBytes);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    Put32(h + 16, 16);
    Put16(h + 20, f.wFormatTag);
    Put16(h + 22, f.nChannels);
    Put32(h + 24, f.nSamplesPerSec);
    Put32(h + 28, f.nAvgBytesPerSec);
    Put16(h + 32, f.nBlockAlign);
    Put16(h + 34, f.wBitsPerSample);
    std::memcpy(h + 36, "data", 4);
    Put32(h + 40, dataBytes);
}

} // namespace

CSpStream::~CSpStream()
{
    std::lock_guard<std::mutex> guard(m_lock);
    CloseLocked();
}

HRESULT CSpStream::Create(REFIID iid, void** object)
{
    return CreateComObject<CSpStream>(iid, object);
}

HRESULT CSpStream::BindToFile(LPCWSTR fileName, SPFILEMODE mode, const GUID* formatId, const WAVEFORMATEX* format,
                              ULONGLONG)
{
    if (!fileName || !formatId || !format) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_file) return SPERR_ALREADY_INITIALIZED;
    if (mode != SPFM_CREATE && mode != SPFM_CREATE_ALWAYS) return E_NOTIMPL; // only writing is needed
    if (*formatId != SPDFID_WaveFormatEx || !CPcmConverter::IsSupported(*format)) return SPERR_UNSUPPORTED_FORMAT;
    std::string path = SpNarrow(fileName);
    if (path.empty()) return E_INVALIDARG;
    struct stat info{};
    if (mode == SPFM_CREATE && stat(path.c_str(), &info) == 0) return E_ACCESSDENIED;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return STG_E_FILENOTFOUND;
    m_format = *format;
    m_format.cbSize = 0;
    uint8_t header[44];
    MakeHeader(m_format, 0, header);
    if (std::fwrite(header, 1, sizeof header, file) != sizeof header) {
        std::fclose(file);
        std::remove(path.c_str());
        return STG_E_MEDIUMFULL;
    }
    m_file = file;
    m_dataBytes = 0;
    return S_OK;
}

HRESULT CSpStream::GetFormat(GUID* formatId, WAVEFORMATEX** format)
{
    if (!formatId || !format) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    *format = nullptr;
    if (!m_file) return SPERR_UNINITIALIZED;
    *formatId = SPDFID_WaveFormatEx;
    *format = static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sizeof(WAVEFORMATEX)));
    if (!*format) return E_OUTOFMEMORY;
    **format = m_format;
    return S_OK;
}

HRESULT CSpStream::Write(const void* data, ULONG bytes, ULONG* written)
{
    if (written) *written = 0;
    if (!data && bytes) return E_POINTER;
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_file) return SPERR_STREAM_CLOSED;
    // Whole frames only, and never past what the header can describe.
    uint64_t room = kMaxDataBytes - m_dataBytes;
    room -= room % m_format.nBlockAlign;
    ULONG take = static_cast<ULONG>(bytes < room ? bytes : room);
    size_t done = take ? std::fwrite(data, 1, take, m_file) : 0;
    m_dataBytes += done;
    if (written) *written = static_cast<ULONG>(done);
    if (done < take) return STG_E_MEDIUMFULL;
    return take < bytes ? STG_E_MEDIUMFULL : S_OK;
}

HRESULT CSpStream::Close()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return CloseLocked();
}

HRESULT CSpStream::CloseLocked()
{
    if (!m_file) return S_FALSE;
    // An odd-sized data chunk gets its pad byte.
    bool ok = true;
    if (m_dataBytes & 1) ok = std::fputc(0, m_file) != EOF;
    uint8_t header[44];
    MakeHeader(m_format, static_cast<uint32_t>(m_dataBytes), header);
    if (m_dataBytes & 1) Put32(header + 4, static_cast<uint32_t>(37 + m_dataBytes));
    ok = ok && std::fseek(m_file, 0, SEEK_SET) == 0 && std::fwrite(header, 1, sizeof header, m_file) == sizeof header;
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    return ok ? S_OK : STG_E_MEDIUMFULL;
}
