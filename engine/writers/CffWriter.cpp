#include "CffWriter.h"

#include "StffMpegLoader.h"
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

LONG CffWriter::GetSplitterType() const
{
    switch (m_kind) {
    case kFlv: return 2041;
    case kMpeg1: return 2000;
    case kMpeg4Psp: return 2022;
    case kSwf: return 2040;
    }
    return 0;
}

void CffWriter::Release()
{
    SafeRelease(m_bitrates);
    SafeRelease(m_codecs);
    CFileWriterFilter::Release();
}

bool CffWriter::SetupBeforeConnect()
{
    // The filter keeps its own codecs where the format table is not loaded or does not
    // name them, and its own rates without the bitrate interface.
    if (!m_codecs) QueryInterfaceTo(GetFilter(), &m_codecs);
    if (!m_bitrates) QueryInterfaceTo(GetFilter(), &m_bitrates);
    const StffMpegLoader* loader = StffMpegLoader::sLoader;
    const CffMpegFormat* format = loader ? loader->GetSplitterCodecs(GetSplitterType()) : nullptr;
    if (m_codecs && format) {
        m_codecs->SetVideoCodec(static_cast<LONG>(format->GetVideoCodecFormatByName(m_videoCodecName)));
        m_codecs->SetAudioCodec(static_cast<LONG>(format->GetAudioCodecFormatByName(m_audioCodecName)));
    }
    if (m_bitrates) {
        m_bitrates->SetVideoBitrate(static_cast<LONG>(m_videoBitrate));
        m_bitrates->SetAudioBitrate(static_cast<LONG>(m_audioBitrate));
    }
    return true;
}
