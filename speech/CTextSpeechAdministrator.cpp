#include "CTextSpeechAdministrator.h"

#include "CTextSpeechInput.h"

bool CTextSpeechAdministrator::CreateInput()
{
    auto* input = new CTextSpeechInput(&m_talker);
    m_input = input;
    input->SetText(m_text);
    if (!input->Create()) {
        delete m_input;
        m_input = nullptr;
        return false;
    }
    m_text.Empty();
    return true;
}
