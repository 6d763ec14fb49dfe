#include "CTextToSpeechThread2.h"

#include "CTextToWavFileAdministrator.h"
#include "UFileUtils.h"
#include "UStringBuffer.h"
#include "com/ComRuntime.h"
#include "sapi/SpVoice.h"
#include "win32/CodePage.h"

#include <algorithm>
#include <cstring>
#include <string>

CTextToSpeechThread2::CTextToSpeechThread2()
{
    SetAutoDelete(false);
}

CTextToSpeechThread2::CTextToSpeechThread2(const CTextToSpeechThread2& other)
    : CWorkerThread(other),
      m_control(other.m_control),
      m_audioInfo(other.m_audioInfo),
      m_text(other.m_text),
      m_textLength(other.m_textLength),
      m_filePath(other.m_filePath)
{
    SetAutoDelete(false);
}

CTextToSpeechThread2::~CTextToSpeechThread2()
{
    // The job reads our members: it must end before they go.
    CancelAndWait();
}

void CTextToSpeechThread2::SetText(const char* text)
{
    m_text = text ? text : "";
    const int units = MultiByteToWideChar(CP_UTF8, 0, m_text, static_cast<int>(std::strlen(m_text)), nullptr, 0);
    m_textLength = units > 0 ? static_cast<ULONG>(units) : 0;
}

void CTextToSpeechThread2::ExecuteSelf(long)
{
    StartProgress();
    m_error.Empty();
    if (m_textLength == 0) return;
    CoInitialize(nullptr);
    {
        CTextToWavFileAdministrator administrator;
        administrator.SetFilePath(m_filePath);
        administrator.SetVoice(m_control.GetVoice());
        administrator.SetRate(m_control.GetRate());
        administrator.SetVolume(m_control.GetVolume());
        administrator.SetSampleRate(m_audioInfo.GetSampleRate());
        administrator.SetChannelCount(m_audioInfo.GetChannel());
        administrator.SetBitsPerSample(m_audioInfo.GetBitsPerSample());
        administrator.SetText(m_text);
        const bool playing = administrator.Play();
        if (ISpVoice* voice = administrator.GetTalker().GetVoice()) {
            while (!IsCanceled()) {
                if (voice->WaitUntilDone(50) != S_FALSE) break;
                SPVOICESTATUS status{};
                if (SUCCEEDED(voice->GetStatus(&status, nullptr)))
                    SetProgress(std::min(1.0, double(status.ulInputWordPos) / m_textLength));
            }
            // A file that could not be made, or a write that failed (a full disk), drops the rest.
            SPVOICESTATUS status{};
            const HRESULT result = SUCCEEDED(voice->GetStatus(&status, nullptr)) ? status.hrLastResult : S_OK;
            if (!playing || result == STG_E_MEDIUMFULL)
                m_error.Format("Unable to write the file \"%s\". The disk may be full.", m_filePath.GetString());
            else if (FAILED(result))
                m_error.Format("Unable to speak the text into \"%s\".", m_filePath.GetString());
        }
        administrator.Stop();
    }
    CoUninitialize();
}

char* CTextToSpeechThread2::GetText()
{
    const std::string name(UFileUtils::GetFileNameOnly(m_filePath));
    return UStringBuffer::Text(("Encoding text to " + name).c_str());
}
