#include "CLameDll.h"

#include "win32/kernel/Module.h"

#include <cstring>

namespace {

template <typename F>
F Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(GetProcAddress(module, name));
}

const SHORT* Samples(const BYTE* bytes)
{
    return reinterpret_cast<const SHORT*>(bytes);
}

}  // namespace

CLameDll::~CLameDll()
{
    // An open stream holds encoder state in the library.
    if (m_stream && m_beCloseStream) m_beCloseStream(m_stream);
}

bool CLameDll::HasEntryPoints() const
{
    return m_beInitStream && m_beEncodeChunk && m_beDeinitStream && m_beCloseStream;
}

bool CLameDll::LoadLibraryA()
{
    if (!CLibrary::LoadLibraryA()) {
        if (std::strcmp(GetPath(), kLibraryName) == 0) return false;
        Load(kLibraryName);
        if (!CLibrary::LoadLibraryA()) return false;
    }
    if (!m_beInitStream && !m_beEncodeChunk && !m_beDeinitStream && !m_beCloseStream) {
        m_beInitStream = Bind<BEINITSTREAM>(GetModule(), "beInitStream");
        m_beEncodeChunk = Bind<BEENCODECHUNK>(GetModule(), "beEncodeChunk");
        m_beDeinitStream = Bind<BEDEINITSTREAM>(GetModule(), "beDeinitStream");
        m_beCloseStream = Bind<BECLOSESTREAM>(GetModule(), "beCloseStream");
    }
    return HasEntryPoints();
}

bool CLameDll::Open()
{
    if (!LoadLibraryA()) return false;
    // A second open must not leak the stream already open.
    if (m_stream) {
        m_beCloseStream(m_stream);
        ResetStream();
    }
    BE_CONFIG config;
    std::memset(&config, 0, sizeof(config));
    config.dwConfig = BE_CONFIG_LAME;
    auto& lame = config.format.LHV1;
    lame.dwStructVersion = CURRENT_STRUCT_VERSION;
    lame.dwStructSize = CURRENT_STRUCT_SIZE;
    lame.dwSampleRate = m_sampleRate;
    lame.dwReSampleRate = 0;
    lame.nMode = m_channels == 1 ? BE_MP3_MODE_MONO : BE_MP3_MODE_JSTEREO;
    lame.dwBitrate = m_bitrate;
    lame.nPreset = LQP_NOPRESET;
    lame.dwMpegVersion = MPEG1;
    lame.bOriginal = TRUE;
    lame.bNoRes = TRUE;

    DWORD samples = 0;
    DWORD bufferSize = 0;
    HBE_STREAM stream = 0;
    if (m_beInitStream(&config, &samples, &bufferSize, &stream) != BE_ERR_SUCCESSFUL || samples == 0) {
        if (stream) m_beCloseStream(stream);
        return false;
    }
    m_stream = stream;
    m_chunkSize = samples * 2;
    m_bufferSize = bufferSize;
    m_carry.Clear();
    return true;
}

bool CLameDll::Encode(const BYTE* pcm, DWORD length, BYTE* mp3, DWORD& written)
{
    written = 0;
    if (!m_stream || !HasEntryPoints() || (length && !pcm) || !mp3) return false;

    DWORD offset = 0;
    if (m_carry.GetSize() > 0) {
        const DWORD missing = m_chunkSize - m_carry.GetSize();
        // Not even the kept bytes make a chunk yet: keep these too.
        if (length < missing) return m_carry.Append(pcm, length);
        if (!m_carry.Append(pcm, missing)) return false;
        offset = missing;
        DWORD out = 0;
        const bool ok = m_beEncodeChunk(m_stream, m_chunkSize / 2, Samples(m_carry.GetBuffer()), mp3, &out) ==
                        BE_ERR_SUCCESSFUL;
        m_carry.Clear();
        if (!ok) return false;
        written += out;
    }
    while (length - offset >= m_chunkSize) {
        DWORD out = 0;
        if (m_beEncodeChunk(m_stream, m_chunkSize / 2, Samples(pcm + offset), mp3 + written, &out) !=
            BE_ERR_SUCCESSFUL)
            return false;
        written += out;
        offset += m_chunkSize;
    }
    return offset == length || m_carry.Append(pcm + offset, length - offset);
}

bool CLameDll::Close(CHandle& out)
{
    if (!GetModule() || !m_stream || !HasEntryPoints()) return false;
    if (!out.Allocate(m_bufferSize * 2, false)) return false;
    DWORD total = 0;
    // The kept tail lost to a failed encode is a failure too, not a shorter file.
    bool ok = true;
    if (m_carry.GetSize() > 0) {
        DWORD last = 0;
        ok = m_beEncodeChunk(m_stream, m_carry.GetSize() / 2, Samples(m_carry.GetBuffer()), out.GetBuffer(), &last) ==
             BE_ERR_SUCCESSFUL;
        if (ok) total = last;
        m_carry.Clear();
    }
    DWORD flushed = 0;
    if (m_beDeinitStream(m_stream, out.GetPtr(total), &flushed) == BE_ERR_SUCCESSFUL)
        total += flushed;
    else
        ok = false;
    out.SetSize(total);
    m_beCloseStream(m_stream);
    ResetStream();
    return ok;
}

void CLameDll::ResetStream()
{
    m_stream = 0;
    m_chunkSize = 0;
    m_bufferSize = 0;
    m_carry.Clear();
}
