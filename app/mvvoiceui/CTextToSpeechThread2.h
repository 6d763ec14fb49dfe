#pragma once
// Speaks a text into a WAV file on a worker thread; progress follows the spoken word.
#include "CAudioInfo2.h"
#include "CSpeechControl.h"
#include "CWorkerThread.h"
#include "afx/CString.h"

class CTextToSpeechThread2 : public CWorkerThread {
public:
    CTextToSpeechThread2();
    CTextToSpeechThread2(const CTextToSpeechThread2& other);
    ~CTextToSpeechThread2() override;

    void SetVoice(CSpeechControl& control) { m_control = control; }
    void SetAudioInfo(CAudioInfo2& info) { m_audioInfo = info; }
    // The length is kept in UTF-16 units, the unit of the voice's word positions.
    void SetText(const char* text);
    void SetFilePath(const char* path) { m_filePath = path; }
    const CString& GetFilePath() const { return m_filePath; }
    ULONG GetTextLength() const { return m_textLength; }

    // Why the speech could not be written; empty when it was. Read after the end.
    const CString& GetError() const { return m_error; }
    using CWorkerThread::CancelAndWait;

    void ExecuteSelf(long param) override;
    char* GetText() override;
    double GetProgress() override { return CWorkerThread::GetProgress(); }

private:
    CSpeechControl m_control;
    CAudioInfo2 m_audioInfo;
    CString m_text;
    ULONG m_textLength = 0;
    CString m_filePath;
    CString m_error;
};
