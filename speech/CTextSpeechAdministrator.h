#pragma once
// An administrator that speaks a text; the text is used up by each Play.
#include "CSpeechAdministrator.h"
#include "afx/CString.h"

class CTextSpeechAdministrator : public CSpeechAdministrator {
public:
    CTextSpeechAdministrator() = default;
    CTextSpeechAdministrator(const CTextSpeechAdministrator&) = default;
    CTextSpeechAdministrator& operator=(const CTextSpeechAdministrator&) = default;
    ~CTextSpeechAdministrator() override = default;

    void SetText(const char* text) { m_text = text; }
    bool CreateInput() override;

protected:
    CString m_text;
};
