#include "CSarvexMpegWriter.h"

#include "WriterIds.h"
#include "WriterInterfaces.h"
#include "dshow/DShowInterfaces.h"

CSarvexMpegWriter::CSarvexMpegWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_SarvexMpegWriter);
    AddStreamPins();
}

CSarvexMpegWriter::~CSarvexMpegWriter()
{
    CSarvexMpegWriter::Release();
}

void CSarvexMpegWriter::Release()
{
    SafeRelease(m_encoder);
    SafeRelease(m_stream);
    CFileWriterFilter::Release();
}

bool CSarvexMpegWriter::GetStreamFormat(LONG fileType, LONG tvType, LONG& format)
{
    // File type, then the format for TV type 1 and for TV type 2.
    static const LONG kFormats[][3] = {{300, 0, 0}, {310, 5, 1}, {400, 2, 2}, {410, 6, 3}, {420, 7, 4}};
    for (const auto& row : kFormats) {
        if (row[0] != fileType) continue;
        if (row[1] == row[2]) {
            format = row[1];
            return true;
        }
        if (tvType != 1 && tvType != 2) return false;
        format = row[tvType];
        return true;
    }
    return false;
}

bool CSarvexMpegWriter::SetupBeforeConnect()
{
    if (!m_stream) QueryInterfaceTo(GetFilter(), &m_stream);
    if (!m_encoder) QueryInterfaceTo(GetFilter(), &m_encoder);
    if (!m_stream) return false;
    m_stream->SetTimingOption(0);
    m_stream->SetEndOption(1);
    m_stream->SetBufferOption(4);
    m_stream->SetVideoStream(!m_noVideo);
    m_stream->SetAudioStreams(1);
    m_stream->SetPackOption(8);
    if (m_encoder) {
        m_encoder->SetMotionOption(0);
        m_encoder->SetVariableBitrate(m_encoderControl == 4);
        m_encoder->SetVideoBitrate(static_cast<LONG>(m_videoBitrate));
        m_encoder->SetSampleRate(static_cast<LONG>(m_sampleRate));
        m_encoder->SetAudioBitrate(static_cast<LONG>(m_audioBitrate));
        m_encoder->SetFieldOption(0);
        m_encoder->SetWidth(m_width);
        m_encoder->SetHeight(m_height);
    }
    LONG format = 0;
    if (GetStreamFormat(m_fileType, m_tvType, format)) m_stream->SetStreamFormat(format);
    return true;
}
