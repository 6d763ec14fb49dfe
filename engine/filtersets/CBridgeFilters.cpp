#include "CBridgeFilters.h"

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
