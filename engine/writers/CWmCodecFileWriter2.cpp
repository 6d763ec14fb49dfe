#include "CWmCodecFileWriter2.h"

CWmCodecFileWriter2::CWmCodecFileWriter2(CDirectShowGraph* graph, const char* name) : CWmAsfWriter(graph, name) {}

void CWmCodecFileWriter2::SetVideoBitrate(unsigned long bitrate)
{
    if (bitrate != 0) m_videoBitrate = bitrate;
}
