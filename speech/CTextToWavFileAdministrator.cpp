#include "CTextToWavFileAdministrator.h"

#include "CSpeechOutputFile.h"

bool CTextToWavFileAdministrator::CreateOutput()
{
    auto* output = new CSpeechOutputFile(&m_talker);
    m_output = output;
    output->SetSampleRate(m_sampleRate);
    output->SetChannelCount(m_channels);
    output->SetBitsPerSample(m_bitsPerSample);
    output->SetFilePath(m_path);
    if (output->Create()) return true;
    delete m_output;
    m_output = nullptr;
    return false;
}
