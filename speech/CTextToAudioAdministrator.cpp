#include "CTextToAudioAdministrator.h"

#include "CSpeechOutputSpeaker.h"

bool CTextToAudioAdministrator::CreateOutput()
{
    m_output = new CSpeechOutputSpeaker(&m_talker);
    if (m_output->Create()) return true;
    delete m_output;
    m_output = nullptr;
    return false;
}
