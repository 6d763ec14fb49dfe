#include "CTextSpeechInput.h"

#include "CSpeechTalker.h"

bool CTextSpeechInput::Create()
{
    if (!m_talker) return false;
    m_talker->SetText(m_text);
    m_text.Empty();
    return true;
}
