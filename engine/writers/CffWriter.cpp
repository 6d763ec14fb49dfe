#include "CffWriter.h"

#include "WriterIds.h"
#include "WriterInterfaces.h"
#include "dshow/DShowInterfaces.h"

namespace {

GUID KindId(CffWriter::EKind kind)
{
    switch (kind) {
    case CffWriter::kFlv: return CLSID_ffFlvWriter;
    case CffWriter::kMpeg1: return CLSID_ffMpeg1Writer;
    case CffWriter::kMpeg4Psp: return CLSID_ffPspWriter;
    case CffWriter::kSwf: return CLSID_ffSwfWriter;
    }
    return GUID{};
}

} // namespace

CffWriter::CffWriter(CDirectShowGraph* graph, const char* name, EKind kind)
    : CFileWriterFilter(graph, name), m_kind(kind)
{
    SetId(KindId(kind));
    AddStreamPins();
}

CffWriter::~CffWriter()
{
    CffWriter::Release();
}

void CffWriter::Release()
{
    SafeRelease(m_bitrates);
    CFileWriterFilter::Release();
}

bool CffWriter::SetupBeforeConnect()
{
    // The codecs stay the filter's own choice until the ffmpeg format table names their ids;
    // a filter without the bitrate interface keeps its own rates.
    if (!m_bitrates) QueryInterfaceTo(GetFilter(), &m_bitrates);
    if (m_bitrates) {
        m_bitrates->SetVideoBitrate(static_cast<LONG>(m_videoBitrate));
        m_bitrates->SetAudioBitrate(static_cast<LONG>(m_audioBitrate));
    }
    return true;
}
