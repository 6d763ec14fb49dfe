#include "dshow/splitters/DemuxSplitter.h"

#include "dshow/BasePin.h"
#include "dshow/interfaces/AsyncReader.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

constexpr int kIoBuffer = 64 * 1024;

int ReadPacket(void* opaque, uint8_t* data, int size)
{
    return static_cast<CDemuxSplitter*>(opaque)->ReadBytes(data, size);
}

int64_t SeekPacket(void* opaque, int64_t offset, int whence)
{
    return static_cast<CDemuxSplitter*>(opaque)->SeekBytes(offset, whence);
}

} // namespace

CDemuxSplitter::CDemuxSplitter(REFCLSID clsid, const char* formats) : CFileSource(clsid, formats)
{
    AddPin(PINDIR_INPUT, u"Input");
}

CDemuxSplitter::~CDemuxSplitter()
{
    OnStop();
    CloseInput();
}

void* CDemuxSplitter::FindInterface(REFIID iid)
{
    // A splitter is fed by its pin, never loaded by name.
    if (iid == IFileSourceFilter::kIid) return nullptr;
    return CFileSource::FindInterface(iid);
}

void CDemuxSplitter::CloseInput()
{
    CloseMedia();
    if (m_io) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
    SafeRelease(m_reader);
}

HRESULT CDemuxSplitter::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin == Input()) return type.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    return CFileSource::CheckMediaType(pin, type);
}

HRESULT CDemuxSplitter::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin == Input()) return S_FALSE;
    return CFileSource::GetMediaType(pin, index, type);
}

HRESULT CDemuxSplitter::CompleteConnect(CBasePin* pin, IPin* peer)
{
    if (pin != Input()) return CFileSource::CompleteConnect(pin, peer);
    CloseInput();
    if (FAILED(QueryInterfaceTo<IAsyncReader>(peer, &m_reader))) return VFW_E_TYPE_NOT_ACCEPTED;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBuffer));
    m_io = buffer ? avio_alloc_context(buffer, kIoBuffer, 0, this, &ReadPacket, nullptr, &SeekPacket) : nullptr;
    if (!m_io) {
        av_free(buffer);
        CloseInput();
        return E_OUTOFMEMORY;
    }
    m_position = 0;
    if (FAILED(OpenMedia("", m_io))) {
        CloseInput();
        return VFW_E_TYPE_NOT_ACCEPTED;
    }
    return S_OK;
}

void CDemuxSplitter::BreakConnect(CBasePin* pin)
{
    if (pin == Input()) CloseInput();
    CFileSource::BreakConnect(pin);
}

int CDemuxSplitter::ReadBytes(uint8_t* data, int size)
{
    LONG read = 0;
    if (!m_reader || FAILED(m_reader->SyncRead(m_position, size, data, &read))) return AVERROR(EIO);
    if (read <= 0) return AVERROR_EOF;
    m_position += read;
    return read;
}

int64_t CDemuxSplitter::SeekBytes(int64_t offset, int whence)
{
    LONGLONG total = 0, available = 0;
    if (!m_reader || FAILED(m_reader->Length(&total, &available))) return AVERROR(EIO);
    if (whence & AVSEEK_SIZE) return total;
    int from = whence & ~AVSEEK_FORCE;
    int64_t target = from == SEEK_CUR ? m_position + offset : from == SEEK_END ? total + offset : offset;
    if (target < 0) return AVERROR(EINVAL);
    m_position = target;
    return target;
}
