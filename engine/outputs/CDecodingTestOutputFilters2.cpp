#include "CDecodingTestOutputFilters2.h"

#include "CAudioTransformChain.h"
#include "CFilterPin.h"
#include "CUntimedRenderer.h"
#include "CVideoTransformChain.h"

CDecodingTestOutputFilters2::CDecodingTestOutputFilters2(CDirectShowGraph* graph) : CDecodingOutputFilters(graph)
{
    // File inputs hand out their streams to processing sets only.
    m_outputType = kOutputProcessing;
}

bool CDecodingTestOutputFilters2::ConnectVideoChain(CVideoTransformChain* chain, int index)
{
    return CDecodingOutputFilters::ConnectVideoChain(chain, index) && ConnectNilRenderer(chain->GetOutputPin());
}

bool CDecodingTestOutputFilters2::ConnectAudioChain(CAudioTransformChain* chain)
{
    return CDecodingOutputFilters::ConnectAudioChain(chain) && ConnectNilRenderer(chain->GetOutputPin());
}

void CDecodingTestOutputFilters2::Disconnect()
{
    // The renderers at the chains' ends first, then the chains.
    CNilOutputFilters2::Disconnect();
    CDecodingOutputFilters::Disconnect();
}
