#include "CPreviewBridge.h"

bool CPreviewBridge::VerifyInput()
{
    return m_input && m_input->GetStreamPinCount() == 0;
}

// Render pins are the input's render pins followed by its processing pins.
int CPreviewBridge::GetVideoPinCount(EOutputType type)
{
    if (!m_input || type == kOutputProcessing) return 0;
    if (type == kOutputRender)
        return m_input->GetVideoPinCount(kOutputRender) + m_input->GetVideoPinCount(kOutputProcessing);
    return m_input->GetVideoPinCount(type);
}

CFilterPin* CPreviewBridge::GetVideoPin(EOutputType type, int index)
{
    if (!m_input || type == kOutputProcessing) return nullptr;
    if (type == kOutputRender) {
        const int render = m_input->GetVideoPinCount(kOutputRender);
        return index < render ? m_input->GetVideoPin(kOutputRender, index)
                              : m_input->GetVideoPin(kOutputProcessing, index - render);
    }
    return m_input->GetVideoPin(type, index);
}

int CPreviewBridge::GetAudioPinCount(EOutputType type)
{
    if (!m_input || type == kOutputProcessing) return 0;
    if (type == kOutputRender)
        return m_input->GetAudioPinCount(kOutputRender) + m_input->GetAudioPinCount(kOutputProcessing);
    return m_input->GetAudioPinCount(type);
}

CFilterPin* CPreviewBridge::GetAudioPin(EOutputType type, int index)
{
    if (!m_input || type == kOutputProcessing) return nullptr;
    if (type == kOutputRender) {
        const int render = m_input->GetAudioPinCount(kOutputRender);
        return index < render ? m_input->GetAudioPin(kOutputRender, index)
                              : m_input->GetAudioPin(kOutputProcessing, index - render);
    }
    return m_input->GetAudioPin(type, index);
}
