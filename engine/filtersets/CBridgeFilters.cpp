#include "CBridgeFilters.h"

#include "CDirectShowFilter.h"
#include "CFilterPin.h"

bool CBridgeFilters::Connect(CInputFilters2* input)
{
    m_input = input;
    if (!VerifyInput()) return false;
    return CreateAndConnect();
}

int CBridgeFilters::GetVideoPinCount(EOutputType type)
{
    return m_input ? m_input->GetVideoPinCount(type) : 0;
}

CFilterPin* CBridgeFilters::GetVideoPin(EOutputType type, int index)
{
    return m_input ? m_input->GetVideoPin(type, index) : nullptr;
}

int CBridgeFilters::GetAudioPinCount(EOutputType type)
{
    return m_input ? m_input->GetAudioPinCount(type) : 0;
}

CFilterPin* CBridgeFilters::GetAudioPin(EOutputType type, int index)
{
    return m_input ? m_input->GetAudioPin(type, index) : nullptr;
}

int CBridgeFilters::GetStreamPinCount()
{
    return m_input ? m_input->GetStreamPinCount() : 0;
}

CFilterPin* CBridgeFilters::GetStreamPin(int index)
{
    return m_input ? m_input->GetStreamPin(index) : nullptr;
}

int CBridgeFilters::GetTotalSubtitlePinCount()
{
    return m_input ? m_input->GetTotalSubtitlePinCount() : 0;
}

CFilterPin* CBridgeFilters::GetSubtitlePin(int index)
{
    return m_input ? m_input->GetSubtitlePin(index) : nullptr;
}

bool CBridgeFilters::GetTags(CMediaTags& tags)
{
    return m_input && m_input->GetTags(tags);
}

bool CBridgeFilters::CreateSelf()
{
    for (CDirectShowFilter* filter : Filters()) {
        if (filter->GetGraph() != m_graph) filter->SetGraph(m_graph);
        if (!filter->Create()) {
            Release();
            return false;
        }
    }
    return true;
}

void CBridgeFilters::Release()
{
    Disconnect();
    for (CDirectShowFilter* filter : Filters()) filter->Release();
}

bool CBridgeFilters::Link(CFilterPin* output, CFilterPin* input, const AM_MEDIA_TYPE* type)
{
    if (!output || !input || !output->Connect(input, type)) return false;
    m_links.push_back(input);
    return true;
}

void CBridgeFilters::Disconnect()
{
    for (CFilterPin* pin : m_links) pin->Disconnect();
    m_links.clear();
}
