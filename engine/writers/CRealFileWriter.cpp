#include "CRealFileWriter.h"

#include "CDirectShowSystem2.h"
#include "WithInterface.h"
#include "WriterIds.h"
#include "dshow/interfaces/RealWriterInterfaces.h"

CRealFileWriter::CRealFileWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_RealFileWriter);
    AddStreamPins();
}

bool CRealFileWriter::SetupBeforeConnect()
{
    WithInterface<IRealWriterTarget>(GetFilter(), [&](auto* target) {
        target->SetAudience(m_audience);
        target->SetCapturing(CDirectShowSystem2::sCapturing);
    });
    WithInterface<IRealWriterVideo>(GetFilter(), [&](auto* video) {
        video->SetVideoMode(m_videoMode);
        video->SetVideoComplexity(m_videoComplexity);
        video->SetKeyFrameInterval(ULONG(m_keyFrame));
        video->SetLatency(m_latency);
    });
    WithInterface<IRealWriterAudio>(GetFilter(), [&](auto* audio) {
        audio->SetAudioMode(m_audioMode);
        audio->SetAudioComplexity(m_audioComplexity);
    });
    return true;
}
